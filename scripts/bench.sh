#!/usr/bin/env bash
# Installs what is missing, builds and runs the benchmarks on the generated large school
# (generated once into build/bench-data/; delete that folder to make it again).
#   scripts/bench.sh [--engine sqlite|postgresql] [benchmark options]
# --engine postgresql runs the same cases on a throwaway PostgreSQL cluster (pg_virtualenv, removed
# afterwards): the large school is moved into it with `tamrin-cli copy` and opened over the local socket.
set -euo pipefail
cd "$(dirname "$0")/.."
engine=sqlite
args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --engine) engine=${2:-}; shift 2 ;;
    --engine=*) engine=${1#--engine=}; shift ;;
    *) args+=("$1"); shift ;;
  esac
done
case "$engine" in
  sqlite|postgresql) ;;
  *) echo "--engine 은 sqlite 또는 postgresql 입니다." >&2; exit 2 ;;
esac
scripts/setup.sh
scripts/build.sh --target tamrin_bench Tamrin tamrin-cli
export QT_QPA_PLATFORM=offscreen
if [ "$engine" = sqlite ]; then
  exec build/bench/tamrin_bench "${args[@]}"
fi

command -v pg_virtualenv >/dev/null || { echo "pg_virtualenv 이 없습니다: scripts/setup.sh 로 postgresql 을 설치하세요." >&2; exit 1; }
large=$(build/bench/tamrin_bench --prepare-only)
port=$(( 20000 + RANDOM % 20000 ))
# Inside the cluster's environment: an empty database, the school copied in and checked, then the cases
# on the local socket (the folder the server listens in).
exec pg_virtualenv -t -c "-p $port" sh -c '
  set -e
  large=$1; shift
  createdb -E UTF8 -T template0 tamrin_bench
  socket=$(psql -Atqc "show unix_socket_directories" | cut -d, -f1)
  # The socket lets in the database user of the same name as the system user (peer authentication).
  me=$(id -un)
  psql -Atqc "select 1 from pg_roles where rolname = '"'"'$me'"'"'" | grep -q 1 || createuser -s "$me"
  address="postgresql://$me@localhost:$PGPORT/tamrin_bench?host=$socket"
  build/Tamrin/tamrin-cli copy --from "$large" --to "$address"
  build/bench/tamrin_bench --database "$address" "$@"
' sh "$large" "${args[@]}"
