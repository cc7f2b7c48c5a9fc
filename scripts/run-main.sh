#!/usr/bin/env bash
# The main job on a fresh machine: runs VarnoHotkey.exe (win64 build) under Wine on a virtual
# display with the stand-in vendor libraries beside it, and prints its debug output live until
# the program ends. Ctrl-C closes it with WM_CLOSE and cleans up (Xvfb, wineserver, prefix).
#
# usage: scripts/run-main.sh [win64-build-dir]
# env:   VH_MASK (feature mask, default 0x0FFF), VH_WINDOWS (win7 default, win10),
#        VH_STATE (a VendorState.txt to use), VH_RUN_SECONDS (close after that many seconds)
# Builds the win64 preset first when the program, the stand-ins or the driver are missing.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-${VH_BUILD_DIR:-$root/build/win64}}

needed=(bin/VarnoHotkey.exe testbed-bin/Kavrel.dll testbed-bin/Marlowen.dll testbed-bin/Orlenda.exe
        testbed-bin/vh-driver.exe)
missing=()
for file in "${needed[@]}"; do [[ -f $build/$file ]] || missing+=("$file"); done
if ((${#missing[@]})); then
  if [[ $build != "$root/build/win64" ]]; then
    echo "run-main: missing in $build: ${missing[*]}" >&2
    exit 1
  fi
  echo "run-main: building the win64 preset (missing: ${missing[*]})"
  (cd "$root" && cmake --preset win64 && cmake --build --preset win64)
fi

for tool in python3 Xvfb; do
  command -v "$tool" >/dev/null || { echo "run-main: $tool is not installed" >&2; exit 1; }
done

exec python3 "$root/testbed/e2e/main_job.py" --build-dir "$build"
