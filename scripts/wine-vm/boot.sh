#!/usr/bin/env bash
# Boots the guest built by build-image.sh (directory $1) under full-system
# emulation, shares the host directory $2 into it at the same absolute path,
# and runs the job script $3 (inside $2) there. The guest writes the job's exit
# status to $3.status and powers off. The root image stays untouched unless
# DK_WINE_VM_WRITABLE=1 (used once, to store the Wine prefix in it).
set -euo pipefail
guest=$1 share=$(cd "$2" && pwd) job=$3

case "$share$job" in
    *[[:space:]]*) echo "The shared path may not contain white space: $share" >&2; exit 1 ;;
esac
snapshot=on
[ "${DK_WINE_VM_WRITABLE:-0}" = 1 ] && snapshot=off
rm -f "$job.status" "$job.booted"

# Emulated SMAP faults the iret with which 32-bit Wine returns from a signal
# handler (an implicit descriptor-table read taken as a user access), so the
# guest's processor has none. A stuck guest must not hold the test run for ever.
timeout --kill-after=30 "${DK_WINE_VM_SECONDS:-1200}" \
qemu-system-x86_64 \
    -accel tcg,thread=multi -cpu max,smap=off -smp "${DK_WINE_VM_CPUS:-2}" -m "${DK_WINE_VM_MEMORY:-4G}" \
    -display none -monitor none -serial stdio -no-reboot -nic none \
    -kernel "$guest/vmlinuz" -initrd "$guest/initrd.img" \
    -append "root=/dev/vda rw console=ttyS0 quiet loglevel=3 panic=1 init=/usr/local/sbin/dk-init dk.share=$share dk.job=$job" \
    -drive "file=$guest/root.img,format=raw,if=virtio,snapshot=$snapshot" \
    -virtfs "local,path=$share,mount_tag=dkshare,security_model=none,id=dkshare" \
    < /dev/null
