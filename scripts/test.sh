#!/bin/sh
# Runs the whole test suite headless, then every fuzz target briefly on its
# seed corpus (a few seconds each), so that a fixed crash that comes back
# fails here too. Arguments go to the first ctest only (and skip the fuzz
# runs).
set -e
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
export TUTORIX_MUTE=1
ctest --test-dir build --output-on-failure -j"$(nproc)" "$@"
[ $# -gt 0 ] && exit 0

# The fuzz targets need clang and its libFuzzer (installed by setup.sh).
if [ ! -f build-fuzz/CMakeCache.txt ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUTORIX_FUZZ=ON
fi
cmake --build build-fuzz -j"$(nproc)" --target fuzz_all
ctest --test-dir build-fuzz -L fuzz --output-on-failure -j"$(nproc)"
