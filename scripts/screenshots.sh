#!/bin/sh
# Pictures of the program on private Xvfb displays with openbox as the window
# manager: the start-up message (where the display cannot switch), the title
# and the selection screen, for each screen size given.
#   scripts/screenshots.sh OUTDIR [SIZE...]   (default 640x480 1920x1080 2560x1440)
set -e
cd "$(dirname "$0")/.."
out=$1
shift
[ $# -gt 0 ] || set -- 640x480 1920x1080 2560x1440
mkdir -p "$out"
export TUTORIX_WINDOWS_DIR="$PWD/build/course" QT_QPA_PLATFORM=xcb TUTORIX_MUTE=1
for size in "$@"; do
  dir=$(mktemp -d)
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$dir/display" 2>/dev/null &
  xpid=$!
  while [ ! -s "$dir/display" ]; do sleep 0.05; done
  export DISPLAY=":$(head -n1 "$dir/display")"
  openbox --startup "touch $dir/wm" >/dev/null 2>&1 &
  wmpid=$!
  while [ ! -e "$dir/wm" ]; do sleep 0.05; done
  ./build/tutorix &
  ppid=$!
  sleep 2
  import -window root "$out/$size-1-start.png"
  xdotool key Return      # closes the message of a display that cannot switch
  sleep 1
  import -window root "$out/$size-2-title.png"
  w=${size%x*}; h=${size#*x}
  xdotool mousemove $((w / 2)) $((h / 2)) click 1
  sleep 1.5
  import -window root "$out/$size-3-selection.png"
  kill $ppid $wmpid $xpid 2>/dev/null || true
  wait $ppid 2>/dev/null || true
  rm -rf "$dir"
done
ls "$out"
