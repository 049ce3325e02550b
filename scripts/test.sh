#!/usr/bin/env bash
# Installs what is missing, builds Ixoran and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
bash scripts/build.sh
build_dir="${IXO_BUILD_DIR:-build}"
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
