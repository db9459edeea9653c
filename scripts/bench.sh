#!/usr/bin/env bash
# Installs what is missing, builds and runs the benchmarks on the generated large school
# (generated once into build/bench-data/; delete that folder to make it again).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh --target tamrin_bench Tamrin
QT_QPA_PLATFORM=offscreen build/bench/tamrin_bench "$@"
