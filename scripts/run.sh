#!/bin/sh
# Starts the program on the bundled course built into build/course. The
# course's own Tutorix.ini is used, so the user's configuration is untouched.
set -e
cd "$(dirname "$0")/.."
export TUTORIX_WINDOWS_DIR="$PWD/build/course"
exec ./build/tutorix "$@"
