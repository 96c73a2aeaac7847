#!/usr/bin/env bash
# Exits 0 when this machine's kernel runs 32-bit x86 code, the ground Wine's
# 32-bit half stands on: it builds and starts the smallest static i386 program.
set -u
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cat >"$dir/probe.s" <<'ASM'
.globl _start
_start:
  movl $1, %eax   # exit
  movl $0, %ebx   # status 0
  int $0x80
ASM
as --32 -o "$dir/probe.o" "$dir/probe.s" 2>/dev/null &&
  ld -m elf_i386 -o "$dir/probe" "$dir/probe.o" 2>/dev/null &&
  "$dir/probe" 2>/dev/null
