#!/bin/sh
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each of
# them for the given number of seconds (default 60) on its seed corpus.
# New interesting inputs go to build-fuzz/corpus/<target>; a crash or a
# broken property leaves its input in build-fuzz/findings/ and fails.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -e
cd "$(dirname "$0")/.."
seconds=${1:-60}
[ $# -gt 0 ] && shift
dir=build-fuzz
if [ ! -f $dir/CMakeCache.txt ]; then
  CC=clang CXX=clang++ cmake -S . -B $dir -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUTORIX_FUZZ=ON
fi
cmake --build $dir -j"$(nproc)" --target fuzz_all
targets="$*"
[ -z "$targets" ] && targets="codec ini records scramble results grades cursor course"
mkdir -p $dir/findings
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
status=0
for t in $targets; do
  mkdir -p $dir/corpus/$t
  echo "== fuzz_$t for ${seconds}s"
  if ! $dir/tests/fuzz/fuzz_$t -max_total_time="$seconds" -print_final_stats=1 \
       -artifact_prefix=$dir/findings/$t- $dir/corpus/$t tests/fuzz/corpus/$t; then
    status=1
  fi
done
exit $status
