#!/bin/bash
# Makes the disk image of the emulated PC in which scripts/vm32.sh runs the 32-bit programs:
# Debian 12 with its own kernel (which runs 32-bit code), Wine with its 32-bit half, a virtual X
# server and ctest. Needs root (debootstrap, chroot) and Debian's package mirror.
#
#   scripts/vm32-image.sh OUT_DIR
#
# Writes OUT_DIR/root.img (ext4, the whole system), OUT_DIR/vmlinuz and OUT_DIR/initrd.img.
# Exits non-zero, saying which step failed, when the image cannot be made.
set -euo pipefail
scripts=$(cd "$(dirname "$0")" && pwd)

# What the guest needs: its kernel and the modules to mount the root disk and the shared folders,
# Wine in both halves, a virtual display and fonts as the host tests have them, ctest to run the
# tests, binutils for the check that 32-bit code runs, a shell's tools.
GUEST_PACKAGES=(linux-image-amd64 initramfs-tools kmod procps binutils cmake
                wine wine64 wine32:i386 libwine:i386 xvfb xauth fonts-wine fonts-liberation)
MIRROR=${QLR_VM_MIRROR:-http://deb.debian.org/debian}

out=${1:?usage: $0 OUT_DIR}
step() { echo "vm32-image: $* ($SECONDS s)"; }
root=$(mktemp -d "${TMPDIR:-/tmp}/qlr-vm32-root.XXXXXX")
cleanup() {
    umount "$root/proc" "$root/sys" 2>/dev/null || true
    rm -rf "$root" "$log"
}
trap cleanup EXIT

step "debootstrap bookworm into $root"
log=$root.log
quietly() { "$@" >"$log" 2>&1 || { tail -n 20 "$log"; echo "vm32-image: FAILED: $*"; exit 1; }; }
quietly debootstrap --variant=minbase bookworm "$root" "$MIRROR"

step "packages"
mount -t proc proc "$root/proc"
mount -t sysfs sys "$root/sys"
cat >"$root/usr/sbin/policy-rc.d" <<'EOF'
#!/bin/sh
exit 101
EOF
chmod +x "$root/usr/sbin/policy-rc.d"
quietly chroot "$root" /bin/sh -ec "
    export DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8
    dpkg --add-architecture i386
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends ${GUEST_PACKAGES[*]}
    apt-get clean
    rm -rf /var/lib/apt/lists/*"
rm -f "$root/usr/sbin/policy-rc.d"
umount "$root/proc" "$root/sys"

# The guest's first program: mounts the shared folders, runs the job, powers off.
install -m 755 "$scripts/vm32-init.sh" "$root/sbin/qlr-init"
echo qlr-vm32 >"$root/etc/hostname"

step "kernel and image"
mkdir -p "$out"
cp "$root"/boot/vmlinuz-* "$out/vmlinuz"
cp "$root"/boot/initrd.img-* "$out/initrd.img"
rm -rf "$root"/boot/* "$root"/usr/share/doc/* "$root"/usr/share/man/*
mke2fs -q -t ext4 -L qlr-root -d "$root" "$out/root.img" 6G
step "image made: $(du -sh --apparent-size "$out/root.img" | cut -f1) apparent, $(du -sh "$out/root.img" | cut -f1) used"
