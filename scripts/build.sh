#!/usr/bin/env bash
# Builds the plug-in for 32-bit Windows into dist/.
set -euo pipefail
cd "$(dirname "$0")/.."

# g++: the release zip's picture of the default layout is drawn by a dkcheck built for this machine.
scripts/ensure-packages.sh cmake make g++ g++-mingw-w64-i686 binutils-mingw-w64-i686

cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)"

mkdir -p dist
cp build/win32/DuskvaleKeys.asi build/win32/DuskvaleKeys-*.zip dist/
ls -l dist
