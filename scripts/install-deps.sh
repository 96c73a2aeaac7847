#!/usr/bin/env bash
# Installs what building and testing ZekLauncher needs on Debian 12, and nothing
# when all of it is already there. Where the kernel runs 32-bit code it also adds
# the i386 architecture and Wine's 32-bit half, so the 32-bit program runs too.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

packages=(
  g++ make cmake ninja-build git
  clang libclang-rt-14-dev
  googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64
  locales xvfb xdotool x11-utils imagemagick fonts-ipafont-gothic
  zip unzip
)

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive

# Wine names files through the Linux locale: without ja_JP.UTF-8 generated it
# cannot create or open files with Japanese names.
ensure_japanese_locale() {
  locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' && return 0
  $SUDO sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
}

missing_of() {  # package...
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

updated=0
install() {  # [apt-get option...] package...
  [ $# -gt 0 ] || return 0
  echo "installing: $*"
  if [ $updated = 0 ]; then $SUDO apt-get update -qq && updated=1; fi
  $SUDO apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}

mapfile -t missing < <(missing_of "${packages[@]}")
install "${missing[@]}"
ensure_japanese_locale

# The 32-bit program runs through Wine's 32-bit half, which stands on the
# kernel running 32-bit x86 code. Where the kernel refuses it, the same code
# runs emulated: qemu's user mode (from bookworm-backports: the release's own
# qemu 7.2 ignores MAP_FIXED_NOREPLACE, and each start of a 32-bit Wine program
# then takes a minute) registered with the kernel for 32-bit ELF programs.
qemu=/usr/bin/qemu-i386-static
binfmt=/proc/sys/fs/binfmt_misc
i386_elf_magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
i386_elf_mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'

qemu_is_recent() {
  [ -x "$qemu" ] && [[ $("$qemu" --version 2>/dev/null) =~ version\ ([0-9]+)\. ]] && [ "${BASH_REMATCH[1]}" -ge 8 ]
}

emulate_32bit() {
  if ! qemu_is_recent; then
    if [ ! -f /etc/apt/sources.list.d/zek-backports.list ]; then
      echo 'deb http://deb.debian.org/debian bookworm-backports main' |
        $SUDO tee /etc/apt/sources.list.d/zek-backports.list >/dev/null
      updated=0
    fi
    install -t bookworm-backports qemu-user-static
  fi
  [ -e "$binfmt/register" ] || $SUDO mount -t binfmt_misc binfmt_misc "$binfmt"
  # "F" opens the emulator now, so a registration made before an upgrade keeps
  # the old one: register afresh.
  [ -e "$binfmt/zek-i386" ] && echo -1 | $SUDO tee "$binfmt/zek-i386" >/dev/null
  printf ':zek-i386:M::%s:%s:%s:F\n' "$i386_elf_magic" "$i386_elf_mask" "$qemu" |
    $SUDO tee "$binfmt/register" >/dev/null
}

if ! "$root/scripts/runs-32bit.sh"; then
  emulate_32bit || echo "32-bit code cannot be emulated here"
fi
if "$root/scripts/runs-32bit.sh"; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    updated=0
  fi
  mapfile -t missing < <(missing_of wine32:i386)
  install "${missing[@]}"
fi
