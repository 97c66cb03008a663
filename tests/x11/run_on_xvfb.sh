#!/bin/sh
# Runs a test on a private X display: Xvfb of the given size with openbox as
# the window manager and the given keyboard layouts, e.g.
#   run_on_xvfb.sh 640x480 cz,us ./tst_desktop_x11 everyScreenOnTheScreen
# Exits 77 (reported as skipped) when Xvfb, openbox or setxkbmap is missing.
size=$1
layouts=$2
shift 2
for tool in Xvfb openbox setxkbmap xdotool; do
  command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done
dir=$(mktemp -d)
xpid=""
wmpid=""
cleanup() {
  [ -n "$wmpid" ] && kill "$wmpid" 2>/dev/null
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT INT TERM
# -displayfd picks a free display number; -noreset keeps the keyboard layouts
# when the last client leaves.
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/xvfb.log" &
xpid=$!
i=0
while [ ! -s "$dir/display" ] && [ $i -lt 100 ]; do sleep 0.05; i=$((i + 1)); done
[ -s "$dir/display" ] || { echo "Xvfb did not start"; cat "$dir/xvfb.log"; exit 1; }
DISPLAY=":$(head -n1 "$dir/display")"
export DISPLAY
setxkbmap -layout "$layouts" || exit 1
openbox --startup "touch $dir/wm-ready" >"$dir/openbox.log" 2>&1 &
wmpid=$!
i=0
while [ ! -e "$dir/wm-ready" ] && [ $i -lt 100 ]; do sleep 0.05; i=$((i + 1)); done
[ -e "$dir/wm-ready" ] || { echo "openbox did not start"; cat "$dir/openbox.log"; exit 1; }
QT_QPA_PLATFORM=xcb "$@"
