#!/bin/sh
# Builds the .deb, checks its dependencies, runs lintian on it (no errors, no
# warnings) and reuse lint on the source tree, unpacks it with dpkg-deb -x
# into a temporary root and starts the unpacked program with a fresh HOME and
# no TUTORIX_* variables on a 640 x 480 virtual X display. The program must
# find its course beside itself and reach the title screen (its
# "tutorix.screens" log line); started again without logging rules, its window
# carries the desktop entry's StartupWMClass and it prints nothing; the
# unpacked course tool must list a pupil's own results folder with titles and
# dates. With SCREENSHOT=file.png it also photographs the title screen.
# Usage: check_deb.sh BUILD_DIR SOURCE_DIR
set -eu
build=$(cd "$1" && pwd)
src=$(cd "$2" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/tutorix-deb.XXXXXX")
pid=""
xpid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

(cd "$build" && cpack -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/pkg/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for d in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libqt6printsupport6 libxlsxwriter fonts-liberation2 libqt6charts6 libqt6svg6 xdg-utils; do
  echo "$depends" | grep -q "$d" || { echo "missing dependency: $d"; exit 1; }
done

# lintian's own checks, errors and warnings only (informational and pedantic
# tags are not asked for).
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || {
  echo "lintian:"; cat "$work/lintian.log"; exit 1; }
echo "lintian: no errors, no warnings"
# Every file of the tree has its licence (.reuse/dep5, LICENSES/).
(cd "$src" && reuse lint >"$work/reuse.log" 2>&1) || { cat "$work/reuse.log"; exit 1; }
tail -n 1 "$work/reuse.log"

dpkg-deb -x "$deb" "$work/root"
# The manual pages are there and render.
for page in tutorix tutorix-course; do
  for dir in man1 cs/man1; do
    man -l "$work/root/usr/share/man/$dir/$page.1.gz" 2>/dev/null | grep -q "$page" || {
      echo "manual page $dir/$page.1.gz does not render"; exit 1; }
  done
done
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"

# A virtual display of 640 x 480, on a free display number.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xpid=$!
i=0
while [ ! -s "$work/display" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
display=":$(head -n1 "$work/display")"

env -i PATH=/usr/bin:/bin HOME="$work/home" LANG=C.UTF-8 DISPLAY="$display" \
    XDG_CONFIG_DIRS="$work/no-system-config" QT_LOGGING_RULES="tutorix.*=true" \
    "$work/root/usr/bin/tutorix" >"$work/run.log" 2>&1 &
pid=$!
i=0
until grep -q "tutorix.screens.*title screen shown" "$work/run.log"; do
  if ! kill -0 "$pid" 2>/dev/null || [ $i -ge 300 ]; then
    echo "the unpacked program did not reach the title screen:"; cat "$work/run.log"; exit 1
  fi
  sleep 0.1; i=$((i + 1))
done
# It found the course inside the unpacked root, through the relative INI.
grep -q "data \"$work/root/usr/share/tutorix/course/data" "$work/run.log" || { cat "$work/run.log"; exit 1; }
# Once the title is shown, the sound module loads from the unpacked root.
i=0
until grep -q "tutorix.platform.*sound module \"$work/root/usr/lib" "$work/run.log"; do
  if [ $i -ge 50 ]; then echo "the sound module did not load:"; cat "$work/run.log"; exit 1; fi
  sleep 0.1; i=$((i + 1))
done
# A normal start prints nothing, and its window is the desktop entry's.
kill "$pid"; wait "$pid" 2>/dev/null || true
wmclass=$(sed -n 's/^StartupWMClass=//p' "$work/root/usr/share/applications/cz.tutorix.Lingvana1.desktop")
env -i PATH=/usr/bin:/bin HOME="$work/home" LANG=C.UTF-8 DISPLAY="$display" \
    XDG_CONFIG_DIRS="$work/no-system-config" XDG_RUNTIME_DIR="$work/runtime" \
    "$work/root/usr/bin/tutorix" >"$work/quiet.log" 2>&1 &
pid=$!
DISPLAY="$display" timeout 30 xdotool search --sync --onlyvisible --class "$wmclass" >/dev/null || {
  echo "no visible window of class '$wmclass'"; cat "$work/quiet.log"; exit 1; }
sleep 2
if [ -s "$work/quiet.log" ]; then echo "a normal start printed:"; cat "$work/quiet.log"; exit 1; fi
echo "normal start: silent, window class $wmclass"
if [ -n "${SCREENSHOT:-}" ]; then
  sleep 1
  DISPLAY="$display" import -window root "$SCREENSHOT"
  echo "screenshot: $SCREENSHOT"
fi
# The teacher's export of the pupil's own results folder, which holds no
# Texty.dat: titles and dates come from the installed course's texts.
own="$work/home/.local/share/tutorix"
mkdir -p "$own"
printf 'Eva|9|1|1|0\r\n' >"$own/3.res"
{
  printf 'Jméno: %-35s   Datum: %-10s   Čas: 09:05\r\n' 'Eva' '7.12.2026'
  printf 'Skupina: %-20s Cvičení: %-30s\r\n' 'Slovíčka' 'Překlad slovíček'
  printf 'Počet otázek:  10       Správně:  9         Špatně:  1         Známka:  1\r\n'
  printf '%s\r\n' '==========================================================================='
} | iconv -f UTF-8 -t CP1250 >"$own/Vysledky.dat"
env -i PATH=/usr/bin:/bin HOME="$work/home" LANG=C.UTF-8 XDG_CONFIG_DIRS="$work/no-system-config" \
    XDG_RUNTIME_DIR="$work" "$work/root/usr/bin/tutorix-course" results "$own" >"$work/results.csv" 2>"$work/results.err"
grep -q "3,Překlad slovíček,Eva,9,1,1,2026-12-07 09:05" "$work/results.csv" || {
  echo "the unpacked course tool lost titles or dates of the pupil's own folder:"; cat "$work/results.csv" "$work/results.err"; exit 1
}
echo "title screen reached from $deb"
