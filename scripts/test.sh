#!/usr/bin/env bash
# Runs every test: the unit tests natively and under AddressSanitizer and
# UndefinedBehaviorSanitizer, a short run of each fuzzer, and the plug-in end
# to end under Wine inside the stand-in game.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh cmake make g++ libgtest-dev libbenchmark-dev clang libclang-rt-dev libxml2-dev librsvg2-bin \
    g++-mingw-w64-i686 binutils-mingw-w64-i686 zip git

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
guest_wine=()
if scripts/runs-32bit-code.sh; then
    scripts/ensure-packages.sh wine wine32:i386
    wine_here=$(scripts/wine-check.sh)
else
    echo "No: this kernel runs 64-bit user code only, and 32-bit Wine cannot start on it."
    wine_here=OFF
fi
if [ "$wine_here" = OFF ]; then
    # The tests that use Wine run in an emulated guest, with the guest's own
    # Wine: the test list names that one, whether or not this machine has any.
    scripts/ensure-packages.sh qemu-system-x86 debootstrap
    guest_wine=(-DDK_WINE=/usr/bin/wine)
fi

echo "== Unit, Windows-side and end-to-end tests"
cmake --preset native -DDK_WIN32_BUILD_DIR="$PWD/build/win32" -DDK_WINE_TESTS=ON "${guest_wine[@]}" >/dev/null
cmake --build --preset native -j "$(nproc)"
if [ "$wine_here" = ON ]; then
    ctest --preset native -j "$(nproc)"
    exit 0
fi

# Wine cannot run 32-bit programs on this kernel: the tests that use it run in
# an emulated guest whose kernel can, the rest here.
wine_pattern=$(cmake -DBUILD=build/native -P scripts/wine-vm/wine-tests.cmake)
if [ -z "$wine_pattern" ]; then
    ctest --preset native -j "$(nproc)"
    exit 0
fi
here_status=0
ctest --preset native -j "$(nproc)" -E "$wine_pattern" || here_status=$?
echo "== Tests under Wine, in an emulated guest"
guest_status=0
scripts/wine-vm/run-tests.sh "$wine_pattern" || guest_status=$?
if [ "$guest_status" -eq 77 ]; then
    echo "SKIPPED: the tests under Wine (the Windows-side tests, dkcheck.exe and the end-to-end" \
         "scenarios in the stand-in game) did not run: no 32-bit Wine here and no test guest (see above)."
    guest_status=0
fi
[ "$here_status" -eq 0 ] && [ "$guest_status" -eq 0 ]
