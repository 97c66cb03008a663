#!/bin/sh
# Report benchmark: makes two results folders with the program's own log
# formats and times tutorix-course report on each, with its peak memory
# (/usr/bin/time -v):
#   one class's year:      30 pupils,    6,000 runs,     60,000 answers (goal < 0.5 s)
#   ten years of a school: 1,000 pupils, 1,000,000 runs, 10,000,000 answers
#                                                        (goal < 30 s, < 1 GB)
# The folders are made once under bench/report-data/ of the build folder and
# kept for later runs (the school's takes about 1 GB and five minutes).
# On a shared machine the wall clock includes waiting for a processor; the
# processor time is printed beside it.
#
#   bench/report.sh [RUNS]     (default 3 timed runs each; BUILD_DIR defaults to build)
set -e
cd "$(dirname "$0")/.."
runs=${1:-3}
build=${BUILD_DIR:-build}
cmake --build "$build" --target tutorix-course bench_report_data course -j2 >/dev/null
data="$build/bench/report-data"
mkdir -p "$data"
course="$build/course/data"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
[ -s "$data/class/Odpovedi.dat" ] || "$build/bench/bench_report_data" "$course" "$data/class" 30 6000 10 300 2>/dev/null
[ -s "$data/school/Odpovedi.dat" ] || "$build/bench/bench_report_data" "$course" "$data/school" 1000 1000000 10 3650 2>/dev/null
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT INT TERM

measure() {  # name folder
  best=""
  i=0
  while [ $i -lt "$runs" ]; do
    /usr/bin/time -v "$build/tutorix-course" report "$2" -o "$out/$1.html" >/dev/null 2>"$out/time"
    s=$(awk -F': ' '/Elapsed \(wall clock\)/ {n = split($2, t, ":"); v = 0; for (k = 1; k <= n; k++) v = v * 60 + t[k]; print v}' "$out/time")
    kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$out/time")
    cpu=$(awk -F': ' '/User time|System time/ {c += $2} END {printf "%.2f", c}' "$out/time")
    echo "$1 run $((i + 1)): $s s wall clock, $cpu s processor time, peak memory $((kb / 1024)) MB"
    if [ -z "$best" ] || awk -v a="$s" -v b="$best" 'BEGIN {exit !(a < b)}'; then best=$s; bestkb=$kb; bestcpu=$cpu; fi
    i=$((i + 1))
  done
  size=$(du -m "$2/Vysledky.dat" "$2/Odpovedi.dat" | awk '{s += $1} END {print s}')
  echo "$1: best $best s wall clock ($bestcpu s processor time), peak memory $((bestkb / 1024)) MB, logs $size MB, report $(du -k "$out/$1.html" | cut -f1) kB"
}

measure "class year" "$data/class"
measure "school ten years" "$data/school"
