#!/bin/bash
# Makes the README's pictures from real runs under Wine: builds dist/, then
# inside a private display starts 屏笺.exe and photographs it: the skinned
# main window, the note on a desktop picture, and the About box counting down.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
make -C "$root" --no-print-directory dist >/dev/null
export DOCS="$root/docs" EXE="$root/dist/屏笺.exe"
mkdir -p "$DOCS"

"$root/scripts/with-display.sh" bash -euo pipefail -c '
  window_id() {  # the visible window titled exactly $1
    local id
    for _ in $(seq 100); do
      id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$id" ] && { echo "$id"; return; }
      sleep 0.1
    done
    echo "screenshots: no window titled $1" >&2; exit 1
  }
  shot() {  # NAME TITLE: the window with a margin of desktop
    local id; id=$(window_id "$2")
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$id")"
    import -window root -crop "$((WIDTH + 40))x$((HEIGHT + 60))+$((X - 20))+$((Y - 40))" +repage "$DOCS/$1.png"
    echo "docs/$1.png"
  }

  # A desktop picture, so the note shows what its transparent pixels let through.
  convert -size 1920x1080 gradient:"#2f5f8f"-"#9fc4e0" /tmp/desktop.png
  display -geometry 1920x1080+0+0 -title desktop /tmp/desktop.png &
  window_id desktop >/dev/null

  timeout 120 wine "$EXE" </dev/null >/dev/null 2>&1 &
  shot main-window "鼠标右键有帮助"
  main=$(window_id "鼠标右键有帮助")
  eval "$(xdotool getwindowgeometry --shell "$main")"

  # The button 屏笺 (Tab, Tab, Space from the note editor), then No: the
  # note stands on the desktop.
  xdotool windowactivate --sync "$main" key Tab Tab space
  window_id "提示信息" >/dev/null
  sleep 0.5; xdotool key n; sleep 1.5
  import -window root -crop 760x220+900+480 +repage "$DOCS/note-on-desktop.png"
  echo docs/note-on-desktop.png

  # Alt+Q brings the main window back; its menu item 关于 opens the About box.
  xdotool key alt+q; window_id "鼠标右键有帮助" >/dev/null; sleep 0.5
  xdotool mousemove $((X + WIDTH / 2)) $((Y + 90)) click 3; sleep 0.8
  xdotool key Down Down Down Return
  window_id "关于作者" >/dev/null; sleep 1.6
  shot about-box "关于作者"
'
