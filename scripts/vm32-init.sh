#!/bin/sh
# The first program of the emulated PC that scripts/vm32.sh boots (installed as /sbin/qlr-init).
# It mounts the two folders the host shares over 9p: the job folder (job.sh, and where the output
# and the exit status go back) and the host's working folder, at the same path as on the host.
# Then it runs the job and powers the PC off. The root disk is a throw-away copy.
export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8
mount -t proc proc /proc
mount -t sysfs sys /sys
mountpoint -q /dev || mount -t devtmpfs dev /dev
mkdir -p /dev/pts /dev/shm
mount -t devpts devpts /dev/pts
mount -t tmpfs shm /dev/shm
mount -o remount,rw /
hostname qlr-vm32

ninep="-t 9p -o trans=virtio,version=9p2000.L,msize=262144"
modprobe 9pnet_virtio && modprobe 9p
mkdir -p /qlr-job
# shellcheck disable=SC2086
if mount $ninep job /qlr-job; then
    shared=$(cat /qlr-job/shared)
    mkdir -p "$shared"
    # shellcheck disable=SC2086
    mount $ninep shared "$shared" &&
        (cd "$shared" && exec /bin/bash /qlr-job/job.sh) </dev/null >/qlr-job/output 2>&1
    echo $? >/qlr-job/status
    sync
    umount "$shared" /qlr-job
fi
# Power off: with -no-reboot the emulator ends on a reset, and a PID 1 that ends panics, which
# reboots (panic=1 on the kernel command line).
echo o >/proc/sysrq-trigger
sleep 10
