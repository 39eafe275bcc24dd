#!/bin/bash
# Makes the README's pictures from real runs under Wine: builds dist/, then
# inside a private display starts 屏笺.exe and photographs its windows into
# docs/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
make -C "$root" --no-print-directory dist >/dev/null
export DOCS="$root/docs" EXE="$root/dist/屏笺.exe"
mkdir -p "$DOCS"

"$root/scripts/with-display.sh" bash -euo pipefail -c '
  # shot NAME TITLE: the window titled TITLE, with a margin of desktop.
  shot() {
    local id geometry x y w h
    for _ in $(seq 100); do id=$(xdotool search --onlyvisible --name "^$2\$" | head -n 1) && [ -n "$id" ] && break; sleep 0.1; done
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$id")"
    import -window root -crop "$((WIDTH + 40))x$((HEIGHT + 60))+$((X - 20))+$((Y - 40))" +repage "$DOCS/$1.png"
    echo "docs/$1.png"
  }
  timeout 60 wine "$EXE" </dev/null >/dev/null 2>&1 &
  shot main-window "鼠标右键有帮助"
'
