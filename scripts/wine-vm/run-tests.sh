#!/usr/bin/env bash
# Runs the tests of the native build tree whose names match the ctest pattern
# $1 inside the emulated guest, where 32-bit Wine works, and exits with
# ctest's status. The source tree is shared into the guest at its own path,
# so the build tree's absolute paths hold there too. Exits with 77 when the
# guest cannot be built or booted here (no root, no network, no emulator).
set -uo pipefail
cd "$(dirname "$0")/../.."
pattern=$1
unavailable=77

jobs=$PWD/build/wine-vm
mkdir -p "$jobs"
start=$(date +%s)
echo "Preparing the test guest (the first time on a machine: debootstrap and Wine, 5 to 20 minutes; log in $jobs/guest-build.log)"
# Another test run on this machine may be building the same guest: wait for it.
lock=${DK_WINE_VM_CACHE:-/var/cache/duskvalekeys-wine-vm}.lock
if ! guest=$(flock "$lock" scripts/wine-vm/build-image.sh 2> "$jobs/guest-build.log"); then
    tail -n 20 "$jobs/guest-build.log" >&2
    echo "The test guest could not be built." >&2
    exit $unavailable
fi
echo "Test guest ready in $(( $(date +%s) - start )) s: $guest"

job=$jobs/ctest.sh
cat > "$job" <<JOB
source /etc/profile.d/duskvalekeys-wine.sh
# One Wine server and one start of Wine's services for all tests, rather than
# one per program; started here, the services do not hold a test's output open.
wineserver --persistent
wineboot > /dev/null 2>&1
ctest --preset native -j ${DK_WINE_VM_CPUS:-2} -R $(printf '%q' "$pattern")
JOB

start=$(date +%s)
scripts/wine-vm/boot.sh "$guest" "$PWD" "$job"
echo "Guest run took $(( $(date +%s) - start )) s."
if [ ! -f "$job.booted" ]; then
    echo "The test guest did not boot." >&2
    exit $unavailable
fi
if [ ! -f "$job.status" ]; then
    echo "The tests in the guest did not finish (time limit DK_WINE_VM_SECONDS=${DK_WINE_VM_SECONDS:-1200} s)." >&2
    exit 1
fi
exit "$(cat "$job.status")"
