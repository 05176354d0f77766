#!/usr/bin/env bash
# Runs once in the freshly built guest: makes the Wine prefix the tests use,
# so that no test run pays for setting it up.
set -euo pipefail
source /etc/profile.d/duskvalekeys-wine.sh
mkdir -p "$WINEPREFIX"
start=$(date +%s)
wineboot --init
wineserver --wait
echo "Wine prefix made in $(( $(date +%s) - start )) s."
