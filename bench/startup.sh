#!/bin/sh
# Start-up benchmark: how long until the title screen is on the screen,
# against a bare Qt Widgets window showing one 640 x 480 picture (the title
# picture), both started in turn on one private Xvfb display, RUNS times each.
# Prints both medians and their ratio, then the program's peak memory at the
# title and the processor time it uses there while idle.
#
#   bench/startup.sh [RUNS]     (default 11; BUILD_DIR defaults to build)
set -e
cd "$(dirname "$0")/.."
runs=${1:-11}
build=${BUILD_DIR:-build}
cmake --build "$build" --target tutorix bench_bare_window bench_first_frame course -j2 >/dev/null

dir=$(mktemp -d)
xpid=""
trap '[ -n "$xpid" ] && kill $xpid 2>/dev/null; rm -rf "$dir"' EXIT INT TERM
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/xvfb.log" &
xpid=$!
i=0
while [ ! -s "$dir/display" ] && [ $i -lt 100 ]; do sleep 0.05; i=$((i + 1)); done
DISPLAY=":$(head -n1 "$dir/display")"
export DISPLAY QT_QPA_PLATFORM=xcb
export TUTORIX_WINDOWS_DIR="$PWD/$build/course"
picture="$PWD/$build/course/media/Bitmap/Intro/title.bmp"
[ -f "$picture" ] || picture=$(find "$PWD/$build/course" -iname title.bmp | head -n1)

watch="$build/bench/bench_first_frame"
# One unmeasured start of each warms the file cache.
"$watch" "$build/bench/bench_bare_window" "$picture" >/dev/null
"$watch" "$build/tutorix" >/dev/null
: >"$dir/bare"
: >"$dir/program"
n=0
while [ $n -lt "$runs" ]; do
  "$watch" "$build/bench/bench_bare_window" "$picture" >>"$dir/bare"
  "$watch" "$build/tutorix" >>"$dir/program"
  n=$((n + 1))
done
median() { sort -n "$1" | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
bare=$(median "$dir/bare")
program=$(median "$dir/program")
echo "bare window first frame, ms:  $(sort -n "$dir/bare" | tr '\n' ' ')"
echo "title screen first frame, ms: $(sort -n "$dir/program" | tr '\n' ' ')"
echo "median bare window:  $bare ms"
echo "median title screen: $program ms"
awk -v a="$program" -v b="$bare" 'BEGIN {printf "ratio: %.2f (target at most 1.5)\n", a / b}'
set -- $("$watch" --idle 2 "$build/tutorix")
echo "at the title: peak memory $(($2 / 1024)) MB, processor time while idle for 2 s: $3 ms"
