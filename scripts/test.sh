#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite headless: first on the
# embedded file, then the PostgreSQL cases (ctest label "postgresql") on a throwaway cluster that
# pg_virtualenv starts and removes. A server that cannot start fails the run; it is never skipped.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export TAMRIN_BUILD_DIR=build-test TAMRIN_BUILD_TYPE=Test
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test --output-on-failure -j2 -LE postgresql "$@"
scripts/test-server.sh "$@"
