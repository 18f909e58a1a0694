#!/bin/bash
# An emulated PC for machines whose kernel runs no 32-bit code: a whole x86-64 PC in QEMU, running
# Debian 12's own kernel (which does), Wine with its 32-bit half and a virtual display. The
# shipped 32-bit programs run there end to end as they would here.
#
#   scripts/vm32.sh test [-- CTEST_ARGS...]
#       Builds the 32-bit programs and their tests (build/win32) as far as needed, then runs the
#       32-bit end-to-end tests in the emulated PC with scripts/test-wine.sh, the same driver and
#       the same tests as the 64-bit run. Its last line is test-wine.sh's:
#       "win32: N tests: N passed, M failed, ...". E.g.: scripts/vm32.sh test -- -R FilPicker
#   scripts/vm32.sh run DIR -- COMMAND...
#       Runs COMMAND in the emulated PC, in DIR, which the PC sees at the same path (and may
#       write to). Shows its output and exits with its exit status.
#
# The first run on a machine makes the PC's disk image (about 5 minutes, root and Debian's mirror
# needed; scripts/vm32-image.sh) and keeps it under $QLR_VM_CACHE (default /var/cache/qlr-vm32);
# it is made again when that script or the PC's first program (scripts/vm32-init.sh) changes. Each
# run boots a throw-away copy of it. Exits 1 with a message when the image cannot be made, the PC
# does not start, or it ends without reporting the command's status: never a silent pass.
#
# Environment: QLR_VM_ACCEL (tcg, software emulation, the default; or kvm where it works),
# QLR_VM_TIMEOUT (longest run in seconds, default 3600), QLR_VM_TIME_SCALE (the factor on the Wine
# scripts' and the end-to-end tests' own time limits in the PC, default 5: everything is slower).
set -uo pipefail
cd "$(dirname "$0")/.."
scripts=$PWD/scripts
: "${QLR_VM_CACHE:=/var/cache/qlr-vm32}" "${QLR_VM_TIMEOUT:=3600}" "${QLR_VM_TIME_SCALE:=5}"

say() { echo "vm32: $*" >&2; }
usage() { sed -n '6,13p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2; }

install_host_packages() {
    local missing=() p
    for p in qemu-system-x86 debootstrap e2fsprogs; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    ((${#missing[@]})) || return 0
    say "installing ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null ||
        { apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
            apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; }
}

# The image for the current scripts: $QLR_VM_CACHE/<key>, made when missing.
image_dir() {
    local key dir building
    key=$(cat "$scripts/vm32-image.sh" "$scripts/vm32-init.sh" | md5sum | cut -c1-12)
    dir=$QLR_VM_CACHE/$key
    if [ ! -s "$dir/root.img" ]; then
        say "making the emulated PC's disk image (once per machine) in $dir"
        mkdir -p "$QLR_VM_CACHE" && building=$(mktemp -d "$QLR_VM_CACHE/building.XXXXXX") || return 1
        if ! bash "$scripts/vm32-image.sh" "$building" >&2; then
            rm -rf "$building"
            say "FAILED: the disk image could not be made"
            return 1
        fi
        # Images of earlier scripts are of no more use.
        find "$QLR_VM_CACHE" -mindepth 1 -maxdepth 1 -type d ! -name 'building.*' -exec rm -rf {} +
        mv -T "$building" "$dir" || return 1
    fi
    echo "$dir"
}

# Software emulation by default: where /dev/kvm opens but the processor lacks virtualisation
# (nested in a hypervisor), QEMU starts with KVM and the PC never boots.
accelerator() {
    case "${QLR_VM_ACCEL:-tcg}" in
    kvm) echo kvm ;;
    *) echo tcg,thread=multi ;;
    esac
}

# The emulator and the job folder of this run go with it, however it ends.
qemu= job=
finish() {
    [ -n "$qemu" ] && kill "$qemu" 2>/dev/null && wait "$qemu" 2>/dev/null
    [ -n "$job" ] && rm -rf "$job"
}
trap finish EXIT
trap 'exit 130' INT TERM

# run DIR COMMAND...: boots the PC, runs the command in DIR there, returns its status.
run_in_pc() {
    local dir image status started=$SECONDS
    dir=$(cd "$1" && pwd) || return 1
    shift
    install_host_packages || { say "FAILED: could not install the emulator"; return 1; }
    image=$(image_dir) || return 1
    job=$(mktemp -d /tmp/qlr-vm32-job.XXXXXX) || return 1
    # The working folder is mounted with 9p's page cache (cache=loose): with cache=none or
    # cache=mmap, Wine's mapping of a large program file from it reads wrong bytes and the program
    # crashes (a 5 MB test program did, a small one did not). The host leaves the folder alone
    # while the PC runs, and everything the PC writes is flushed when it powers off.
    {
        printf 'mkdir -p %q && mount -t 9p -o %s shared %q || exit 125\n' "$dir" \
            trans=virtio,version=9p2000.L,msize=262144,cache=loose "$dir"
        printf 'cd %q || exit 125\n' "$dir"
        echo "export QLR_WINE_TIME_SCALE=$QLR_VM_TIME_SCALE"
        printf 'exec'; printf ' %q' "$@"; echo
    } >"$job/job.sh"
    say "booting ($(accelerator)); $dir shared"
    timeout -k 10 "$QLR_VM_TIMEOUT" qemu-system-x86_64 -accel "$(accelerator)" -cpu max,-smap -smp "$(nproc)" -m 6G \
        -nodefaults -display none -no-reboot -serial "file:$job/console.log" \
        -kernel "$image/vmlinuz" -initrd "$image/initrd.img" \
        -append "root=/dev/vda rw console=ttyS0 panic=1 quiet init=/sbin/qlr-init" \
        -drive "file=$image/root.img,format=raw,if=virtio,snapshot=on" \
        -virtfs "local,path=$job,mount_tag=job,security_model=none,id=job" \
        -virtfs "local,path=$dir,mount_tag=shared,security_model=none,id=shared,multidevs=remap" &
    qemu=$!
    # The command's output, as it comes. Waited for in the background: a signal to this script
    # then ends the emulator at once (finish) instead of waiting for the PC.
    tail -n +1 -F --pid=$qemu "$job/output" 2>/dev/null &
    wait $qemu
    status=$?
    qemu=
    wait
    if [ ! -s "$job/status" ]; then
        say "FAILED: the emulated PC ended (emulator status $status) without reporting the" \
            "command's status after $((SECONDS - started)) s; its console said:"
        tail -n 30 "$job/console.log" >&2
        return 1
    fi
    status=$(cat "$job/status")
    say "the command ended with status $status after $((SECONDS - started)) s"
    return "$status"
}

case "${1:-}" in
test)
    shift
    [ "${1:-}" = -- ] && shift
    # Built here (the PC has no compilers), run there: same tree, same path.
    # With the tests' own time limits scaled for the PC.
    QLR_WINE_TIME_SCALE=$QLR_VM_TIME_SCALE bash scripts/test-wine.sh -p win32 -c || exit 1
    run_in_pc . bash scripts/test-wine.sh -p win32 -n -- "$@"
    ;;
run)
    [ $# -ge 4 ] && [ "$3" = -- ] || usage
    dir=$2
    shift 3
    run_in_pc "$dir" "$@"
    ;;
*) usage ;;
esac
