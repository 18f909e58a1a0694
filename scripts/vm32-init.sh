#!/bin/sh
# The first program of the emulated PC that scripts/vm32.sh boots (installed as /sbin/qlr-init).
# It mounts the job folder the host shares over 9p and runs its job.sh, which mounts the host's
# working folder and runs the command; the output and the exit status go back into the job
# folder. Then it powers the PC off. The root disk is a throw-away copy.
export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8
mount -t proc proc /proc
mount -t sysfs sys /sys
mountpoint -q /dev || mount -t devtmpfs dev /dev
mkdir -p /dev/pts /dev/shm
mount -t devpts devpts /dev/pts
mount -t tmpfs shm /dev/shm
mount -o remount,rw /
hostname qlr-vm32

modprobe 9pnet_virtio && modprobe 9p
mkdir -p /qlr-job
if mount -t 9p -o trans=virtio,version=9p2000.L,msize=262144 job /qlr-job; then
    /bin/bash /qlr-job/job.sh </dev/null >/qlr-job/output 2>&1
    echo $? >/qlr-job/status
    sync
    umount -a -t 9p
fi
# Power off: with -no-reboot the emulator ends on a reset, and a PID 1 that ends panics, which
# reboots (panic=1 on the kernel command line).
echo o >/proc/sysrq-trigger
sleep 10
