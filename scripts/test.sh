#!/usr/bin/env bash
# Builds the three presets and runs every test: the unit tests on the
# simulated desktop, the end-to-end tests under Wine, the product checks.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
for preset in win64 win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
cmake --preset native -DLUMIVEX_WIN64_DIR="$PWD/build/win64" -DLUMIVEX_WIN32_DIR="$PWD/build/win32" >/dev/null
cmake --build --preset native
cd build/native
ctest --output-on-failure -j2 --timeout 600
