#!/usr/bin/env bash
# Runs every test: the unit tests natively and under AddressSanitizer and
# UndefinedBehaviorSanitizer, a short run of each fuzzer, and the plug-in end
# to end under Wine inside the stand-in game.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh cmake make g++ libgtest-dev libbenchmark-dev clang libclang-rt-dev libxml2-dev librsvg2-bin \
    g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32:i386

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX="${WINEPREFIX:-$PWD/build/wineprefix}"

echo "== Windows build"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)"

echo "== Unit tests under the sanitizers"
scripts/sanitize.sh

echo "== Fuzzers, briefly"
scripts/fuzz.sh "${DK_FUZZ_SECONDS:-20}"

echo "== Can Wine run the Windows programs here?"
wine_tests=$(scripts/wine-check.sh)

echo "== Unit, Windows-side and end-to-end tests"
cmake --preset native -DDK_WIN32_BUILD_DIR="$PWD/build/win32" -DDK_WINE_TESTS="$wine_tests" >/dev/null
cmake --build --preset native -j "$(nproc)"
ctest --preset native -j "$(nproc)"
[ "$wine_tests" = ON ] || echo "Note: the tests under Wine were skipped on this machine (see above)."
