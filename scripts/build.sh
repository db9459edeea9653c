#!/usr/bin/env bash
# Configures and builds into build/ ; the program folder is build/Tamrin. Release: debug information
# slowed every compile by a quarter and every link on two cores; configure RelWithDebInfo to debug.
# TAMRIN_BUILD_DIR and TAMRIN_BUILD_TYPE choose another folder and type (the tests: build-test, Test).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Paths inside the checkout are hashed relative to it, so a fresh clone elsewhere reuses the cache.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
dir=${TAMRIN_BUILD_DIR:-build}
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${TAMRIN_BUILD_TYPE:-Release}" "${launcher[@]}"
fi
cmake --build "$dir" "$@"
