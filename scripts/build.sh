#!/usr/bin/env bash
# Configures (once) and builds Ixoran with a CMake preset (CMakePresets.json):
#   scripts/build.sh             the program and its tests in build/ (program folder: build/program)
#   scripts/build.sh sanitize    the same with AddressSanitizer and UndefinedBehaviorSanitizer, in build-sanitize/
#   scripts/build.sh fuzz        the libFuzzer targets with clang, in build-fuzz/
set -euo pipefail
cd "$(dirname "$0")/.."
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
preset="${1:-default}"
case "$preset" in
  default) build_dir=build target=all ;;
  sanitize) build_dir=build-sanitize target=all ;;
  fuzz) build_dir=build-fuzz target=fuzzers ;;
  *) echo "scripts/build.sh: unknown preset '$preset' (default, sanitize or fuzz)" >&2; exit 2 ;;
esac
if [ ! -f "$build_dir/build.ninja" ]; then
  cmake --preset "$preset" >/dev/null
fi
cmake --build "$build_dir" --target "$target" -j"$(nproc)"
