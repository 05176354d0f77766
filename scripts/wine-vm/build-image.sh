#!/usr/bin/env bash
# Builds the guest that runs the Wine tests on machines whose kernel cannot run
# 32-bit code: a minimal Debian amd64 system with 32-bit Wine and CMake, an
# ext4 root image, the kernel and initrd to boot it, and a Wine prefix made
# once in the booted guest. Prints the directory holding it all. The result is
# cached outside the source tree, keyed by a hash of the guest's scripts, so a
# later run on the same machine boots at once and a changed script rebuilds.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

cache_root=${DK_WINE_VM_CACHE:-/var/cache/duskvalekeys-wine-vm}
# debootstrap's own default mirror unless DK_WINE_VM_MIRROR names another.
mirror=${DK_WINE_VM_MIRROR:-}
key=$(cat "$here/build-image.sh" "$here/guest-init.sh" "$here/make-prefix.sh" | sha256sum | cut -c1-16)
out=$cache_root/$key
if [ -f "$out/ready" ]; then
    echo "$out"
    exit 0
fi
[ "$(id -u)" -eq 0 ] || { echo "Building the guest needs root (debootstrap)." >&2; exit 1; }

mkdir -p "$cache_root"
# Older guests are of no further use once the scripts changed.
find "$cache_root" -mindepth 1 -maxdepth 1 -not -name "$key" -exec rm -rf {} +
work=$out.partial
rm -rf "$work" "$out"
mkdir -p "$work"
root=$work/root

unmount_chroot() {
    for mount in dev/pts dev sys proc; do
        mountpoint -q "$root/$mount" && umount -l "$root/$mount"
    done
    return 0
}
trap unmount_chroot EXIT

echo "== Guest: Debian base system" >&2
debootstrap --variant=minbase --arch=amd64 \
    --include=linux-image-amd64,initramfs-tools,kmod,cmake \
    bookworm "$root" ${mirror:+"$mirror"} >&2

mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"

echo "== Guest: 32-bit Wine" >&2
in_root() { chroot "$root" env DEBIAN_FRONTEND=noninteractive LC_ALL=C "$@"; }
in_root dpkg --add-architecture i386
in_root apt-get update -qq >&2
in_root apt-get install -y -qq --no-install-recommends wine wine32:i386 >&2
in_root apt-get clean
rm -rf "$root"/var/lib/apt/lists/*
unmount_chroot

install -m 0755 "$here/guest-init.sh" "$root/usr/local/sbin/dk-init"
echo duskvalekeys-wine > "$root/etc/hostname"
# The environment every job in the guest runs Wine with.
cat > "$root/etc/profile.d/duskvalekeys-wine.sh" <<'ENVIRONMENT'
export HOME=/root WINEPREFIX=/var/lib/duskvalekeys/wineprefix
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
ENVIRONMENT
cp "$(ls "$root"/boot/vmlinuz-* | sort -V | tail -n 1)" "$work/vmlinuz"
cp "$(ls "$root"/boot/initrd.img-* | sort -V | tail -n 1)" "$work/initrd.img"

echo "== Guest: root file system image" >&2
mke2fs -q -t ext4 -L dkroot -d "$root" "$work/root.img" 4G >&2
rm -rf "$root"

echo "== Guest: Wine prefix, made in the booted guest" >&2
mkdir -p "$work/share"
install -m 0755 "$here/make-prefix.sh" "$work/share/job.sh"
DK_WINE_VM_WRITABLE=1 "$here/boot.sh" "$work" "$work/share" "$work/share/job.sh" >&2
status=$(cat "$work/share/job.sh.status" 2>/dev/null || echo none)
if [ "$status" != 0 ]; then
    echo "The Wine prefix could not be made in the guest (status $status)." >&2
    exit 1
fi
rm -rf "$work/share"

touch "$work/ready"
mv "$work" "$out"
echo "$out"
