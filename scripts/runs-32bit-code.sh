#!/usr/bin/env bash
# Exits 0 when this machine's kernel runs 32-bit x86 programs, which 32-bit
# Wine needs; some kernels run 64-bit user code only. Asks the kernel itself,
# with a program of three instructions made by binutils: no Wine needed.
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '.globl _start\n_start:\n movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' > "$work/exit.s"
as --32 -o "$work/exit.o" "$work/exit.s" && ld -m elf_i386 -o "$work/exit" "$work/exit.o" && "$work/exit" 2>/dev/null
