#!/usr/bin/env bash
# Runs every test: the native unit tests, then the plug-in end to end under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh cmake make g++ libgtest-dev g++-mingw-w64-i686 wine wine32:i386

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX="${WINEPREFIX:-$PWD/build/wineprefix}"

cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)"

cmake --preset native -DDK_WIN32_BUILD_DIR="$PWD/build/win32" >/dev/null
cmake --build --preset native -j "$(nproc)"
ctest --preset native -j "$(nproc)"
