#!/bin/bash
# Exits 0 when this machine runs 32-bit x86 code (IA32 emulation in the kernel): a static i386
# program of three instructions, made with binutils, must start and exit 0.
# Exit status: 0 it runs, 1 it does not, 2 the probe could not be made (binutils missing).
set -u
dir=$(mktemp -d) || exit 2
trap 'rm -rf "$dir"' EXIT
printf '.globl _start\n_start:\n\tmovl $1, %%eax\n\txorl %%ebx, %%ebx\n\tint $0x80\n' >"$dir/probe.s"
as --32 -o "$dir/probe.o" "$dir/probe.s" 2>/dev/null &&
    ld -m elf_i386 -o "$dir/probe" "$dir/probe.o" 2>/dev/null || exit 2
"$dir/probe" 2>/dev/null && exit 0
exit 1
