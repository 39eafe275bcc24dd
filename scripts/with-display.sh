#!/bin/bash
# Runs a command inside a private X display (Xvfb, 1920 x 1080, with openbox as
# window manager) and a Wine session of the project's prefix, and ends all of
# them afterwards, whatever the command's outcome.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"

scratch=$(mktemp -d)
xvfb_pid= ; openbox_pid=
cleanup() {
  timeout 30 wineserver -k >/dev/null 2>&1
  timeout 30 wineserver -w >/dev/null 2>&1
  [ -n "$openbox_pid" ] && kill "$openbox_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A wineserver left by an earlier run would tie this session to another display.
timeout 30 wineserver -k >/dev/null 2>&1

Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || { echo "with-display: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$scratch/display")"
openbox >/dev/null 2>&1 &
openbox_pid=$!

# The first Wine process hands its stdio to Wine's services: keep it off pipes.
timeout 120 wineserver -p >/dev/null 2>&1
timeout 120 wine wineboot </dev/null >/dev/null 2>&1

"$@"
