#!/usr/bin/env bash
# Configures and builds into build/ ; the program folder is build/Tamrin. Release: debug information
# slowed every compile by a quarter and every link on two cores; configure RelWithDebInfo to debug.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Paths inside the checkout are hashed relative to it, so a fresh clone elsewhere reuses the cache.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}"
fi
cmake --build build "$@"
