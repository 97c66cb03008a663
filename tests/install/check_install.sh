#!/bin/sh
# Installs the build into a temporary root (DESTDIR) and checks what landed:
# both programs, the course with its relative Tutorix.ini, the desktop entry,
# the icons and the AppStream data, validated by the desktop tools.
# Usage: check_install.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
root=$(mktemp -d "${TMPDIR:-/tmp}/tutorix-install.XXXXXX")
trap 'rm -rf "$root"' EXIT
id=cz.tutorix.Lingvana1

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
u="$root/usr"
for f in bin/tutorix bin/tutorix-course share/tutorix/course/Tutorix.ini \
         share/tutorix/course/data/Texty.dat share/tutorix/course/data/Vysledky.dat \
         share/tutorix/course/data/24.dat share/tutorix/course/data/24.res \
         share/tutorix/course/media/Sound/click.wav \
         share/applications/$id.desktop share/applications/$id.Report.desktop \
         share/metainfo/$id.metainfo.xml \
         share/man/man1/tutorix.1.gz share/man/man1/tutorix-course.1.gz \
         share/man/cs/man1/tutorix.1.gz share/man/cs/man1/tutorix-course.1.gz \
         share/doc/tutorix/copyright share/doc/tutorix/changelog.gz \
         share/icons/hicolor/scalable/apps/$id.svg; do
  [ -f "$u/$f" ] || { echo "missing: $f"; exit 1; }
done
for s in 16 24 32 48 64 128 256; do
  png="$u/share/icons/hicolor/${s}x${s}/apps/$id.png"
  [ "$(identify -format '%wx%h' "$png")" = "${s}x${s}" ] || { echo "bad icon: $png"; exit 1; }
done
# No results of trial runs are shipped: every results file is empty.
for f in "$u"/share/tutorix/course/data/*.res "$u/share/tutorix/course/data/Vysledky.dat"; do
  [ ! -s "$f" ] || { echo "not empty: $f"; exit 1; }
done
grep -q '^CD=media\\' "$u/share/tutorix/course/Tutorix.ini"
grep -q '^HD=data\\' "$u/share/tutorix/course/Tutorix.ini"

desktop-file-validate "$u/share/applications/$id.desktop"
desktop-file-validate "$u/share/applications/$id.Report.desktop"
# The report entry makes the report of the configured folder and opens it.
grep -q '^Exec=tutorix-course report --open$' "$u/share/applications/$id.Report.desktop"
grep -q '^Categories=Education;' "$u/share/applications/$id.Report.desktop"
appstreamcli validate --no-net "$u/share/metainfo/$id.metainfo.xml"
"$u/bin/tutorix-course" check "$u/share/tutorix/course/data"
echo "installed files:"
(cd "$root" && find . -type f | sort | sed 's|^\./|/|' | grep -v '/media/' ; \
 echo "... and $(find usr/share/tutorix/course/media -type f | wc -l) files under /usr/share/tutorix/course/media")
