#!/usr/bin/env bash
# The PostgreSQL cases only, on a throwaway cluster: pg_virtualenv (postgresql-common) creates it,
# runs the tests with PGHOST/PGPORT/PGUSER/PGPASSWORD set, and drops it afterwards, as root or not.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
command -v pg_virtualenv >/dev/null || { echo "pg_virtualenv 이 없습니다: scripts/setup.sh 로 postgresql 을 설치하세요." >&2; exit 1; }
# The tests connect over TCP as the cluster's superuser; no file of the build is read by the server.
# -t keeps the cluster's configuration in a temporary folder even as root, and a port of its own keeps
# it apart from another throwaway cluster running at the same time.
port=$(( 20000 + RANDOM % 20000 ))
exec pg_virtualenv -t -c "-p $port" sh -c 'psql -Atqc "select 1" >/dev/null && ctest --test-dir "${TAMRIN_BUILD_DIR:-build-test}" --output-on-failure -j2 -L postgresql "$@"' sh "$@"
