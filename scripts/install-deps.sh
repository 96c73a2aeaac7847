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

# A mirror caught mid-sync serves files that do not match its index, and the
# update or the download fails; soon after it has caught up. So a failed
# install waits, reads the indexes afresh and tries again. A failed update alone
# stops nothing: the source that failed may not be the one the packages are in.
# The returns are explicit, as set -e does not hold where a caller tests one.
updated=0
install() {  # [apt-get option...] package...
  [ $# -gt 0 ] || return 0
  echo "installing: $*"
  local attempt
  for attempt in 1 2 3; do
    if [ "$attempt" -gt 1 ]; then
      echo "apt-get failed, trying again in $((attempt * 5)) s (attempt $attempt of 3)" >&2
      sleep $((attempt * 5))
      updated=0
    fi
    if [ $updated = 0 ]; then $SUDO apt-get update -qq && updated=1; fi
    $SUDO apt-get install -y -qq --no-install-recommends "$@" >/dev/null && return 0
  done
  echo "apt-get could not install: $*" >&2
  return 1
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

# Backports come from the mirror this machine already uses for bookworm, with
# its key: the machine may reach no other. The security archive has no
# backports, so only a source of bookworm itself will do.
apt_dir=/etc/apt

backports_source() {  # apt directory; prints a deb822 stanza, fails when none
  local files=() f
  [ -f "$1/sources.list" ] && files+=("$1/sources.list")
  # apt reads the parts in this order, whichever their format.
  for f in "$1"/sources.list.d/*; do
    case $f in *.list | *.sources) [ -f "$f" ] && files+=("$f") ;; esac
  done
  [ ${#files[@]} -gt 0 ] || return 1
  awk '
    function words(s, a) { gsub(/[ \t\n]+/, " ", s); sub(/^ /, "", s); sub(/ $/, "", s); return split(s, a, " ") }
    function has(list, word,   a, n, i) { n = words(list, a); for (i = 1; i <= n; i++) if (a[i] == word) return 1; return 0 }
    function emit(uris, signed_by,   a, n, i, joined) {
      n = words(uris, a); joined = a[1]; for (i = 2; i <= n; i++) joined = joined " " a[i]
      print "Types: deb"
      print "URIs: " joined
      print "Suites: bookworm-backports"
      print "Components: main"
      # An embedded key spans continuation lines, kept as they are.
      if (signed_by != "") print "Signed-By:" (signed_by ~ /^\n/ ? "" : " ") signed_by
      found = 1
      exit
    }
    function end_stanza() {
      if (has(field["types"], "deb") && has(field["suites"], "bookworm") && field["uris"] != "" && tolower(field["enabled"]) != "no")
        emit(field["uris"], field["signed-by"])
      split("", field); name = ""
    }
    FNR == 1 { end_stanza(); deb822 = FILENAME ~ /\.sources$/ }
    deb822 && /^#/ { next }
    deb822 && /^[ \t]*$/ { end_stanza(); next }
    deb822 && /^[ \t]/ { if (name != "") field[name] = field[name] "\n" $0; next }
    deb822 && /^[^:]+:/ {
      i = index($0, ":"); name = tolower(substr($0, 1, i - 1)); value = substr($0, i + 1)
      sub(/^[ \t]+/, "", value); sub(/[ \t]+$/, "", value)
      field[name] = value
      next
    }
    deb822 { next }
    {
      line = $0; sub(/#.*/, "", line)
      if (line !~ /^[ \t]*deb[ \t]/) next
      sub(/^[ \t]*deb[ \t]+/, "", line)
      signed_by = ""
      if (line ~ /^\[/) {
        close_at = index(line, "]"); if (!close_at) next
        n = words(substr(line, 2, close_at - 2), opts); line = substr(line, close_at + 1)
        for (i = 1; i <= n; i++) if (opts[i] ~ /^signed-by=/) { signed_by = substr(opts[i], 11); gsub(/,/, " ", signed_by) }
      }
      if (words(line, rest) >= 2 && rest[2] == "bookworm") emit(rest[1], signed_by)
    }
    END { if (!found) { end_stanza(); if (!found) exit 1 } }
  ' "${files[@]}"
}

add_backports() {
  local parts=$apt_dir/sources.list.d stanza
  [ -f "$parts/zek-backports.sources" ] && return 0
  if ! stanza=$(backports_source "$apt_dir"); then
    # The one-line file earlier versions wrote still serves where nothing else does.
    [ -f "$parts/zek-backports.list" ] && return 0
    echo "no apt source of bookworm in $apt_dir to add bookworm-backports (and its recent qemu) from" >&2
    return 1
  fi
  printf '%s\n' "$stanza" | $SUDO tee "$parts/zek-backports.sources" >/dev/null || return 1
  # The earlier file named one mirror for every machine, and beside this one apt
  # would warn of every index configured twice.
  $SUDO rm -f "$parts/zek-backports.list"
  updated=0
}

emulate_32bit() {
  if ! qemu_is_recent; then
    add_backports || return 1
    install -t bookworm-backports qemu-user-static || return 1
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
  # Without it the 32-bit suites are counted as skipped, and the summary says why.
  install "${missing[@]}" || echo "Wine's 32-bit half could not be installed: the 32-bit program will not run" >&2
fi
