#!/bin/sh
# Runs the whole test suite headless.
set -e
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
export TUTORIX_MUTE=1
ctest --test-dir build --output-on-failure -j"$(nproc)" "$@"
