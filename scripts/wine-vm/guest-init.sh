#!/bin/bash
# First process of the test guest. Mounts the host's shared tree at the path
# the host gives on the kernel command line (dk.share=), runs the job script
# named there (dk.job=), stores its exit status beside it, and powers off.
export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
# The initrd hands over some of these already mounted.
mount_once() { mountpoint -q "$3" || mount -t "$1" "$2" "$3"; }
mount_once proc proc /proc
mount_once sysfs sysfs /sys
mount_once devtmpfs devtmpfs /dev
mkdir -p /dev/pts /dev/shm
mount_once devpts devpts /dev/pts
mount_once tmpfs tmpfs /dev/shm
mount_once tmpfs tmpfs /tmp
mount_once tmpfs tmpfs /run
mount -o remount,rw /
hostname -F /etc/hostname
echo 1 > /proc/sys/kernel/sysrq

power_off() {
    sync
    echo o > /proc/sysrq-trigger
    sleep 60
}

share= job=
for word in $(cat /proc/cmdline); do
    case $word in
        dk.share=*) share=${word#dk.share=} ;;
        dk.job=*) job=${word#dk.job=} ;;
    esac
done
modprobe -q 9pnet_virtio
modprobe -q 9p
mkdir -p "$share"
# Without the page cache, Wine's mapping of a program on the share reads parts
# of its data as zeros. Nothing on the host changes the tree while the guest runs.
if ! mount -t 9p -o trans=virtio,version=9p2000.L,msize=524288,cache=loose dkshare "$share"; then
    echo "dk-init: the shared tree $share could not be mounted" >&2
    power_off
fi
echo booted > "$job.booted"
cd "$share" && bash "$job" < /dev/null
echo $? > "$job.status"
power_off
