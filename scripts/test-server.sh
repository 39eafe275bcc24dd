# Sourced: the loopback test server (tests/server/test_server.py).
# start_test_server PORT LOG starts it and waits until it listens; it is
# stopped by stop_test_server, or when the sourcing script exits, whatever
# happens.
test_server_pid=
stop_test_server() {
  [ -n "$test_server_pid" ] && kill "$test_server_pid" 2>/dev/null && wait "$test_server_pid" 2>/dev/null
  test_server_pid=
}
start_test_server() {
  python3 "$(dirname "${BASH_SOURCE[0]}")/../tests/server/test_server.py" "$1" >"$2" 2>&1 &
  test_server_pid=$!
  trap stop_test_server EXIT
  for _ in $(seq 50); do
    (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null && return 0
    sleep 0.1
  done
  echo "test server: nothing listens on port $1" >&2
  return 1
}
