#!/usr/bin/env bash
# Configures (once) and builds Ixoran into build/; the program folder is build/program.
set -euo pipefail
cd "$(dirname "$0")/.."
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
build_dir="${IXO_BUILD_DIR:-build}"
if [ ! -f "$build_dir/build.ninja" ]; then
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@" >/dev/null
fi
cmake --build "$build_dir" -j"$(nproc)"
