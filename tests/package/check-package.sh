#!/usr/bin/env bash
# Checks the release zips as a user gets them: what each holds, that its program
# needs only DLLs every Windows has and carries the manifest, the version and
# every resource the program loads, and that each program starts from a fresh
# unzip under Wine (the 32-bit one only where this machine runs 32-bit code:
# ZEK_RUNS_32BIT=0 skips it).
# Usage: check-package.sh [package dir]. Needs a Wine session (scripts/wine-session.sh).
# Prints a line per check and "package checks: N passed, N failed, N skipped".
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
dir=$(realpath -m "${1:-$root/build/package}")
version=$(sed -n 's/^project(ZekLauncher VERSION \([0-9]*\.[0-9]*\).*/\1/p' "$root/CMakeLists.txt")
IFS=. read -r major minor <<<"$version"
system_dlls=" advapi32 comctl32 comdlg32 gdi32 gdiplus kernel32 msvcrt ole32 oleaut32 shell32 shlwapi user32 uxtheme version winmm "
passed=0 failed=0 skipped=0

check() {  # what, command...
  local what=$1 output
  shift
  if output=$("$@" 2>&1); then
    echo "ok   $what"
    passed=$((passed + 1))
  else
    echo "FAIL $what"
    failed=$((failed + 1))
    [ -z "$output" ] || sed 's/^/     /' <<<"$output"
  fi
}

holds_the_release() {  # zip
  [ "$(unzip -Z1 "$1" | tr '\n' ' ')" = "ZekLauncher.exe README.txt LICENSE.txt ZekLauncher-example.dat " ] ||
    { unzip -Z1 "$1"; return 1; }
  for text in README.txt LICENSE.txt; do
    [ "$(unzip -p "$1" "$text" | grep -c -v $'\r$')" = 0 ] || { echo "$text has lines without CR LF"; return 1; }
  done
}

imports_only_system_dlls() {  # objdump, PE format, program
  [[ $(LC_ALL=C "$1" -f "$3") == *"file format $2"* ]] || { echo "not $2"; return 1; }
  local dlls bad=0
  dlls=$(LC_ALL=C "$1" -p "$3" | sed -n 's/^\s*DLL Name: \(.*\)\.dll$/\1/Ip' | tr '[:upper:]' '[:lower:]')
  [ -n "$dlls" ] || { echo "no imports found"; return 1; }
  for dll in $dlls; do
    [[ $system_dlls == *" $dll "* ]] || { echo "imports $dll.dll" && bad=1; }
  done
  return $bad
}

carries_its_resources() {  # windres, program
  local rc kind id missing=0
  rc=$("$1" -i "$2" -O rc) || return 1
  while read -r kind id; do
    case $kind in IDI) pattern="^$id 14 " ;; IDR) pattern="^$id MENU" ;; IDD) pattern="^$id DIALOG" ;; esac
    grep -q "$pattern" <<<"$rc" || { echo "no resource $kind $id" && missing=1; }
  done < <(sed -n 's/^#define \(ID[IRD]\)_[A-Z_]* \([0-9]*\)$/\1 \2/p' "$root/resources/resource.h")
  for expected in "^1 VERSIONINFO" " FILEVERSION $major, $minor, 0, 0" " PRODUCTVERSION $major, $minor, 0, 0" \
    "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\"" "^1 24 " \
    "version=\"\"$version.0.0\"\"" "Microsoft.Windows.Common-Controls" "requestedExecutionLevel level=\"\"asInvoker\"\""; do
    grep -q -- "$expected" <<<"$rc" || { echo "no $expected" && missing=1; }
  done
  local about
  about=$(sed -n 's/^#define IDD_ABOUTBOX \([0-9]*\)$/\1/p' "$root/resources/resource.h")
  about=$(sed -n "/^$about DIALOG/,/^END/p" <<<"$rc")
  [[ $about == *"LTEXT \"$version\""* ]] || { echo "version dialog without $version" && missing=1; }
  return $missing
}

starts_from_a_fresh_unzip() {  # zip
  local folder launcher
  if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
    echo "no Wine session" && return 1
  fi
  folder=$(mktemp -d)
  unzip -q "$1" -d "$folder" && cd "$folder" || return 1
  timeout 60 /usr/lib/wine/wine64 ./ZekLauncher.exe </dev/null >/dev/null 2>&1 &
  launcher=$!
  # Its bar window, hidden, still has an X window of the program's class.
  for _ in $(seq 100); do
    xdotool search --classname zeklauncher.exe >/dev/null 2>&1 && break
    sleep 0.2
  done
  timeout 60 /usr/lib/wine/wine64 ./ZekLauncher.exe /x </dev/null >/dev/null 2>&1 || { echo "/x failed"; return 1; }
  wait "$launcher" || { echo "the launcher ended with $?"; return 1; }
  grep -q '^\[Mode\]' ZekLauncher.ini || { echo "no default ZekLauncher.ini beside the program"; ls; return 1; }
  cd / && rm -rf "$folder"
}

packs_the_same_bytes_again() {
  local again
  again=$(mktemp -d)
  ZEK_PACKAGE_DIR=$again "$root/scripts/package.sh" >/dev/null || return 1
  cmp "$dir/SHA256SUMS" "$again/SHA256SUMS" && rm -rf "$again"
}

for arch in x86 x64; do
  zip="$dir/ZekLauncher-$version-$arch.zip"
  [ $arch = x86 ] && tools=i686-w64-mingw32 format=pei-i386 || tools=x86_64-w64-mingw32 format=pei-x86-64
  program=$(mktemp -d)
  unzip -q "$zip" ZekLauncher.exe -d "$program"
  check "$arch: the zip holds the program, README.txt, LICENSE.txt (CR LF) and the example" holds_the_release "$zip"
  check "$arch: $format program importing only system DLLs" imports_only_system_dlls "$tools-objdump" "$format" "$program/ZekLauncher.exe"
  check "$arch: manifest, version $version and every resource" carries_its_resources "$tools-windres" "$program/ZekLauncher.exe"
  rm -rf "$program"
done
for arch in x64 x86; do
  what="$arch: starts from a fresh unzip, writes its default INI beside itself, ends on /x"
  if [ $arch = x86 ] && [ "${ZEK_RUNS_32BIT:-1}" = 0 ]; then
    echo "skip $what (no 32-bit code runs here)"
    skipped=$((skipped + 1))
  else
    check "$what" starts_from_a_fresh_unzip "$dir/ZekLauncher-$version-$arch.zip"
  fi
done
check "SHA256SUMS match the zips" bash -c "cd '$dir' && sha256sum --quiet -c SHA256SUMS"
check "packing again gives the same bytes" packs_the_same_bytes_again
echo "package checks: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
