#!/usr/bin/env bash
# Runs every test of every build on a fresh machine: installs what is missing, builds all four
# builds, runs the host tests (plain and under AddressSanitizer/UndefinedBehaviorSanitizer), then
# the end-to-end tests of the 64-bit Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build-all.sh
echo "== host tests"
ctest --preset host -j2
echo "== host tests under ASan and UBSan"
ctest --preset host-sanitize -j2
echo "== end-to-end tests under Wine (win64)"
testbed/e2e/run.sh build/win64
echo "All tests passed."
