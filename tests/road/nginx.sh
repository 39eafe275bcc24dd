#!/bin/bash
# Starts and stops the update road tests' nginx: Debian's nginx binary with a
# configuration of its own (nginx.conf.in), on a free loopback port, with its
# pid, logs and temporary folders in one folder.
#
#   nginx.sh start FOLDER ROOT   serves ROOT; writes the port to FOLDER/port
#   nginx.sh stop FOLDER         ends that server; quiet when none runs
#
# The server runs under `timeout`, so one that no test stops (a driver that
# died) ends by itself; a start also ends the server an earlier start left.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
lifetime=900

stop() {  # folder
  local dir=$1 guard
  guard=$(cat "$dir/guard.pid" 2>/dev/null) || return 0
  rm -f "$dir/guard.pid"
  kill -TERM "$guard" 2>/dev/null || return 0
  for _ in $(seq 50); do kill -0 "$guard" 2>/dev/null || return 0; sleep 0.1; done
  kill -KILL "$guard" 2>/dev/null
  local master
  master=$(cat "$dir/nginx.pid" 2>/dev/null) && kill -KILL "$master" 2>/dev/null
  return 0
}

free_port() {
  python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

start() {  # folder root
  local dir=$1 root=$2 port user= guard
  stop "$dir"
  mkdir -p "$dir/temp" "$root" || return 1
  rm -f "$dir/port" "$dir/nginx.pid"
  [ "$(id -u)" = 0 ] && user="user root root;"  # the files belong to whoever ran the build
  for _ in 1 2 3; do
    port=$(free_port) || return 1
    sed -e "s|@DIR@|$dir|g" -e "s|@ROOT@|$root|g" -e "s|@PORT@|$port|g" -e "s|@USER@|$user|g" \
      "$here/nginx.conf.in" >"$dir/nginx.conf" || return 1
    setsid timeout "$lifetime" /usr/sbin/nginx -p "$dir/" -c "$dir/nginx.conf" -e "$dir/error.log" \
      -g 'daemon off;' </dev/null >"$dir/nginx.out" 2>&1 &
    guard=$!
    echo "$guard" >"$dir/guard.pid"
    for _ in $(seq 50); do
      if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
        echo "$port" >"$dir/port"
        return 0
      fi
      kill -0 "$guard" 2>/dev/null || break
      sleep 0.1
    done
    stop "$dir"  # the port was taken meanwhile, or nginx refused: try again
  done
  cat "$dir/nginx.out" "$dir/error.log" >&2 2>/dev/null
  return 1
}

case "${1:-}" in
  start) [ $# -eq 3 ] && start "$(realpath -m "$2")" "$(realpath -m "$3")" ;;
  stop) [ $# -eq 2 ] && stop "$(realpath -m "$2")" ;;
  *) echo "usage: $0 start FOLDER ROOT | stop FOLDER" >&2; exit 2 ;;
esac
