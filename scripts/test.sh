#!/usr/bin/env bash
# Installs what is missing, builds Ixoran and runs the whole test suite headless:
#   1. every test, including the whole practice runs in real X windows (the tests start their own X servers);
#   2. every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. each fuzz target for IXO_FUZZ_SECONDS seconds (default 30), after replaying its kept inputs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
jobs="$(nproc)"

echo "== Tests"
bash scripts/build.sh
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
bash scripts/build.sh sanitize
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs" --label-exclude 'whole-run|crash-safety'

echo "== Fuzzing"
bash scripts/fuzz.sh "${IXO_FUZZ_SECONDS:-30}"
