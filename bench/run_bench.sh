#!/bin/sh
# Runs the benchmarks: the file half on meet files, the server half on a PostgreSQL cluster of
# its own, which this script starts with tests/test_server.sh (a folder and port other than the
# tests', a Unix socket only) and stops by its pid when the run ends, however it ends.
#
# usage: run_bench.sh BENCH_BINARY [benchmark options...]
set -eu
binary=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
server_script=$here/../tests/test_server.sh
folder=/tmp/corravin-bench-server-$(printf '%s' "$(cd "$(dirname "$binary")" && pwd)" | cksum | cut -d ' ' -f 1)
port=54339

stop() { sh "$server_script" stop "$folder" "$port" || true; }
trap stop EXIT
trap 'exit 1' INT TERM HUP

sh "$server_script" start "$folder" "$port"
CORRAVIN_BENCH_SERVER="postgresql://corravin@/postgres?host=$folder&port=$port" \
  QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 "$binary" "$@"
