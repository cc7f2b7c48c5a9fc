#!/bin/sh
# Rebuilds osdgen on the host and rewrites the checked-in OSD pictures in res/png/ (one
# <id>.png per picture and contact-sheet.png with all of them).
# Usage: tools/regen-pictures.sh [BUILD_DIR]   (default: build/host, configured if needed)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build/host"}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target osdgen
# Start from an empty folder so that a picture dropped from the catalogue does not linger.
rm -f "$root"/res/png/*.png
mkdir -p "$root/res/png"
"$build/tools/osdgen" "$root/res/png"
