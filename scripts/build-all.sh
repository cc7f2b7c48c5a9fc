#!/usr/bin/env bash
# Configures and builds the given presets, by default all four: host, host with sanitizers,
# win32 (the release) and win64 (the build the end-to-end tests run).
set -euo pipefail
cd "$(dirname "$0")/.."
presets=("$@")
[ ${#presets[@]} -eq 0 ] && presets=(host host-sanitize win32 win64)
for p in "${presets[@]}"; do
  echo "== build $p"
  cmake --preset "$p" >/dev/null
  cmake --build --preset "$p"
done
