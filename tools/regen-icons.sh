#!/bin/sh
# Rebuilds icongen on the host and rewrites the checked-in icons: the program's in res/icons/,
# the Setup launcher's in setup/icons/.
# Usage: tools/regen-icons.sh [BUILD_DIR]   (default: build/host, configured if needed)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build/host"}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target icongen
mkdir -p "$root/res/icons" "$root/setup/icons"
"$build/tools/icongen" "$root/res/icons" "$root/setup/icons"
