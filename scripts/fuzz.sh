#!/usr/bin/env bash
# Fuzzes the transfer-file reader with libFuzzer (clang, address and undefined-behaviour sanitizers),
# seeded with the test goldens, for three minutes by default:  scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-180}
if [ ! -f build-fuzz/build.ninja ]; then
  CXX=clang++ CC=clang cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAMRIN_FUZZ=ON
fi
cmake --build build-fuzz --target fuzz_transferfile
mkdir -p build-fuzz/corpus
cp tests/exchange/golden/퇴관자료_*.txt build-fuzz/corpus/
build-fuzz/fuzz/fuzz_transferfile build-fuzz/corpus -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -malloc_limit_mb=256 -max_len=65536 -print_final_stats=1
