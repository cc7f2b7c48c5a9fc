#!/usr/bin/env bash
# Runs every end-to-end scenario against a win64 build under Wine (Xvfb, a private prefix, one
# wineserver for the whole run) and prints a summary. Builds nothing.
#
# usage: testbed/e2e/run.sh [win64-build-dir] [-v] [test names, e.g. test_hook]
# Exit code 0 only when every scenario passed. Failed runs keep their logs; the path is printed.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${VH_BUILD_DIR:-$here/../../build/win64}
if [[ $# -gt 0 && ( -d $1 || $1 == */* ) ]]; then
  build=$1
  shift
fi
[[ -d $build ]] || { echo "e2e: no build folder $build (build the win64 preset first)" >&2; exit 1; }
build=$(cd "$build" && pwd)

status=0
for file in bin/VarnoHotkey.exe testbed-bin/vh-driver.exe testbed-bin/Kavrel.dll testbed-bin/Marlowen.dll \
            testbed-bin/Orlenda.exe; do
  [[ -f $build/$file ]] || { echo "e2e: missing $build/$file (build the win64 preset first)" >&2; status=1; }
done
wine=${WINE:-/usr/lib/wine/wine64}
[[ -x $wine ]] || command -v wine64 >/dev/null || { echo "e2e: wine64 is not installed" >&2; status=1; }
for tool in python3 Xvfb; do
  command -v "$tool" >/dev/null || { echo "e2e: $tool is not installed" >&2; status=1; }
done
((status == 0)) || exit "$status"

# A hang anywhere ends the run: SIGTERM lets the harness stop Wine and Xvfb, SIGKILL follows.
exec timeout --kill-after=30 900 python3 "$here/run_all.py" --build-dir "$build" "$@"
