#!/usr/bin/env bash
# Says whether Wine can run a 32-bit Windows program on this machine, within a
# time limit (the first run sets up the prefix). Prints "ON" or "OFF" on
# standard output, and the reason on standard error when it cannot.
# Some kernels run 64-bit user code only; 32-bit Wine then cannot start at all,
# and the test command runs the Wine tests in an emulated guest instead.
set -uo pipefail

if output=$(timeout "${DK_WINE_PROBE_SECONDS:-300}" wine cmd /c exit 0 2>&1); then
    echo ON
    exit 0
fi
status=$?
reason=$(printf '%s\n' "$output" | grep -v '^\s*$' | tail -n 1)
[ "$status" -eq 124 ] && reason="no answer within ${DK_WINE_PROBE_SECONDS:-300} s"
if dmesg 2>/dev/null | grep -qi 'IA-32 emulation off\|32-bit emulation disabled'; then
    reason="$reason (the kernel runs 64-bit user code only)"
fi
echo "Wine cannot run 32-bit Windows programs on this machine: ${reason:-exit status $status}." >&2
echo OFF
