#!/bin/sh
# The PostgreSQL server a test run works on: a cluster of its own in FOLDER, listening on nothing
# but a Unix socket in FOLDER (no network address at all), fsync off since its data are thrown
# away. `start` clears what a killed run left there first; `stop` ends the server by its pid and
# removes FOLDER. The server refuses to run as root, so root runs it as the user postgres (or
# nobody); anyone else runs it as themselves.
#
# usage: test_server.sh start|stop FOLDER PORT
set -eu
action=$1
folder=$2
port=$3
bin=${CORRAVIN_PG_BIN:-/usr/lib/postgresql/15/bin}

owner=$(id -un)
if [ "$(id -u)" = 0 ]; then
  if id postgres >/dev/null 2>&1; then owner=postgres; else owner=nobody; fi
fi
as_owner() {
  if [ "$(id -u)" = 0 ]; then runuser -u "$owner" -- "$@"; else "$@"; fi
}

# Ends the server whose pid its data folder names, if it still runs; waits for it to go.
stop_server() {
  pidfile=$folder/data/postmaster.pid
  [ -f "$pidfile" ] || return 0
  pid=$(head -n 1 "$pidfile")
  case $pid in '' | *[!0-9]*) return 0 ;; esac
  kill -0 "$pid" 2>/dev/null || return 0
  # Fast shutdown: open connections are ended, nothing is written that a later run would need.
  kill -INT "$pid" 2>/dev/null || return 0
  waited=0
  while kill -0 "$pid" 2>/dev/null; do
    if [ "$waited" -ge 300 ]; then
      kill -QUIT "$pid" 2>/dev/null || true
      break
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
}

case $action in
start)
  [ -x "$bin/initdb" ] || { echo "no PostgreSQL server programs in $bin (install postgresql-15)" >&2; exit 1; }
  stop_server
  rm -rf "$folder"
  mkdir -p "$folder"
  chmod 700 "$folder"
  [ "$(id -u)" = 0 ] && chown "$owner" "$folder"
  as_owner "$bin/initdb" -D "$folder/data" -U corravin --auth=trust -E UTF8 --locale=C.UTF-8 --no-sync \
    >"$folder/initdb.log" 2>&1 || { cat "$folder/initdb.log" >&2; exit 1; }
  as_owner "$bin/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 60 \
    -o "-c listen_addresses='' -c unix_socket_directories='$folder' -p $port -c fsync=off \
        -c synchronous_commit=off -c full_page_writes=off -c max_connections=200" \
    start >/dev/null || { cat "$folder/server.log" >&2; exit 1; }
  echo "test server on socket folder $folder, port $port"
  ;;
stop)
  stop_server
  rm -rf "$folder"
  ;;
*)
  echo "usage: $0 start|stop FOLDER PORT" >&2
  exit 2
  ;;
esac
