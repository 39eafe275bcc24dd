#!/bin/bash
# `make run`: build dist/ and start 屏笺.exe under Wine on the current display;
# without a display, under Xvfb, where a screenshot goes to build/screenshot.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
make -C "$root" --no-print-directory dist "$@" >/dev/null
. "$root/scripts/wine-env.sh"
exe="$root/dist/屏笺.exe"
if [ -n "${DISPLAY:-}" ]; then
  exec timeout "${RUN_TIMEOUT:-86400}" wine "$exe"
fi
shot="$BUILD_ROOT/screenshot.png"
"$root/scripts/with-display.sh" bash -c '
  timeout 60 wine "$1" </dev/null >/dev/null 2>&1 &
  for _ in $(seq 100); do xdotool search --name "鼠标右键有帮助" >/dev/null 2>&1 && break; sleep 0.2; done
  sleep 1
  import -window root "$2"
  timeout 10 wineserver -k' _ "$exe" "$shot"
echo "No display here: 屏笺.exe ran under Xvfb; its screenshot is in $shot"
