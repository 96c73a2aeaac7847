#!/usr/bin/env bash
# Builds the program as released for 32- and 64-bit Windows and packs each build
# as a portable zip with the user's readme, the licence and the example items,
# plus SHA256SUMS. Writes to $ZEK_PACKAGE_DIR (default build/package).
# Same sources, same bytes: file times are the last commit's (or SOURCE_DATE_EPOCH),
# the order and the attributes are fixed, and the program carries no time stamp.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/install-deps.sh"

out=$(realpath -m "${ZEK_PACKAGE_DIR:-$root/build/package}")
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 1139443200)}
files=(ZekLauncher.exe README.txt LICENSE.txt ZekLauncher-example.dat)

# Text for Notepad: CR LF line ends.
crlf() { sed 's/\r*$/\r/'; }
# UTF-8 with a byte order mark, which Notepad reads as UTF-8 even where the
# system's code page is Shift-JIS.
utf8_bom() { printf '\xef\xbb\xbf'; cat; }

# The user's part of README.md as plain text: everything before the developers'
# part, without the pictures (they are not in the zip), headings underlined.
user_readme() {  # version, architecture
  printf 'ZekLauncher %s (%s)\n\n' "$1" "$2"
  awk '
    /^# For developers/ { exit }
    /^# / { title_line = NR; next }
    NR == title_line + 1 && /^$/ { next }
    /^## Pictures/ { skipping = 1; next }
    /^## / { skipping = 0; title = substr($0, 4); print title; gsub(/./, "=", title); print title; next }
    !skipping { gsub(/`/, ""); print }
  ' README.md
}

mkdir -p "$out"
zips=()
for arch in x86 x64; do
  preset=release-$arch
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)"
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "build/$preset/CMakeCache.txt")

  stage="build/$preset/stage"
  rm -rf "$stage"
  mkdir -p "$stage"
  cp "build/$preset/bin/ZekLauncher.exe" "$stage/"
  user_readme "$version" "$arch" | crlf | utf8_bom >"$stage/README.txt"
  crlf <LICENSE >"$stage/LICENSE.txt"
  cp examples/ZekLauncher.dat "$stage/ZekLauncher-example.dat"
  chmod 644 "$stage"/*
  touch -d "@$epoch" "$stage"/*

  zip="ZekLauncher-$version-$arch.zip"
  rm -f "$out/$zip"
  # zip keeps local times: UTC, so that the time zone does not change the bytes.
  (cd "$stage" && TZ=UTC zip -q -X -D -9 "$out/$zip" "${files[@]}")
  zips+=("$zip")
  echo "$zip: program $(stat -c %s "$stage/ZekLauncher.exe") bytes"
done
(cd "$out" && sha256sum "${zips[@]}" >SHA256SUMS)
echo "packages in $out:"
(cd "$out" && cat SHA256SUMS)
