#!/bin/sh
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/ and runs the whole test suite there. Any report fails the
# run. Extra arguments go to ctest (for example -R tst_platform).
set -e
cd "$(dirname "$0")/.."
dir=build-sanitize
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
if [ ! -f $dir/CMakeCache.txt ]; then
  cmake -S . -B $dir -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
fi
cmake --build $dir -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export TUTORIX_MUTE=1
# Qt's own libraries are not instrumented; leaks inside them (fonts, plugins
# loaded once) are not ours, so only our code's reports count.
# No strict_string_checks: it takes strndup(s, n) to read all n bytes, and
# libxkbcommon-x11 rightly passes names that are not NUL-terminated, which
# it then reports as an overflow inside QApplication on X.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$(pwd)/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir $dir --output-on-failure -j"$(nproc)" "$@"
