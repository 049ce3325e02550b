#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds (default 30),
# after replaying the inputs kept in fuzz/regressions/. Corpora grow in build-fuzz/corpus/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
build_dir=build-fuzz
bash scripts/build.sh fuzz
for fuzzer in $(find "$build_dir/fuzz" -maxdepth 1 -type f -executable -name "fuzz_*" | sort); do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus="$build_dir/corpus/$name"
  mkdir -p "$corpus"
  regressions="fuzz/regressions/$name"
  if [ -d "$regressions" ] && [ -n "$(ls -A "$regressions")" ]; then
    echo "== $name: replaying $(ls "$regressions" | wc -l) kept inputs"
    "$fuzzer" "$regressions"/* >/dev/null 2>&1 || { "$fuzzer" "$regressions"/*; exit 1; }
  fi
  echo "== $name: fuzzing for ${seconds}s"
  seeds=()
  [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
  "$fuzzer" -max_total_time="$seconds" -print_final_stats=0 -artifact_prefix="$build_dir/$name-" \
    "$corpus" "${seeds[@]}" 2>&1 | grep -E "^Done|ERROR|SUMMARY|Test unit written"
done
