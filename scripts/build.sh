#!/usr/bin/env bash
# Builds the plug-in for 32-bit Windows into dist/.
set -euo pipefail
cd "$(dirname "$0")/.."

# g++: the release zip's picture of the default layout is drawn by a dkcheck built for this machine.
# zip: the release zip is packed so that two builds of one commit give the same bytes.
# git: a clone's commit gives the release its time stamps and BUILDINFO.txt its commit id.
scripts/ensure-packages.sh cmake make g++ g++-mingw-w64-i686 binutils-mingw-w64-i686 zip git

cmake --preset win32 | { grep -F "Release time stamps" || true; }
cmake --build --preset win32 -j "$(nproc)"

# A fresh dist/: its SHA256SUMS lists exactly what is in it.
rm -rf dist
cp -r build/win32/dist dist
ls -l dist
cat dist/SHA256SUMS
