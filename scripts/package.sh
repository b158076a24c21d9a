#!/usr/bin/env bash
# Builds the Windows programs and writes dist/kelvane-<version>.zip: both programs,
# a default word list and the players' readme (text files with CR LF line ends).
set -euo pipefail
cd "$(dirname "$0")/.."
version=$(sed -nE 's/^project\(Kelvane VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "package: no version in CMakeLists.txt" >&2; exit 1; }

cmake --preset windows >/dev/null
cmake --build build/windows -j 2 --target varnok kelvane-launcher

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
for exe in varnok.exe kelvane-launcher.exe; do
  found=$(find build/windows -name "$exe" -type f -not -path '*/scratch/*' -not -path '*/wineprefix/*' | head -n 1)
  [ -n "$found" ] || { echo "package: $exe was not built" >&2; exit 1; }
  cp "$found" "$stage/"
  # The statically linked runtimes bring debug sections that players do not need.
  i686-w64-mingw32-strip "$stage/$exe"
done
for text in obscenities.txt README.txt; do
  sed 's/\r*$/\r/' "scripts/package/$text" >"$stage/$text"
done

# Players download the zip; it and what it unpacks to stay small.
max_programs=1500000 max_zip=1000000
programs=$(( $(stat -c %s "$stage/varnok.exe") + $(stat -c %s "$stage/kelvane-launcher.exe") ))
[ "$programs" -le "$max_programs" ] || { echo "package: the programs take $programs bytes, over $max_programs" >&2; exit 1; }

mkdir -p dist
zipfile=$PWD/dist/kelvane-$version.zip
rm -f "$zipfile"
(cd "$stage" && zip -q -X "$zipfile" varnok.exe kelvane-launcher.exe obscenities.txt README.txt)
zipped=$(stat -c %s "$zipfile")
[ "$zipped" -le "$max_zip" ] || { echo "package: the zip takes $zipped bytes, over $max_zip" >&2; rm -f "$zipfile"; exit 1; }
# The hash beside the zip, for players whose virus scanner doubts the download.
(cd dist && sha256sum "$(basename "$zipfile")" >SHA256SUMS)
echo "package: $zipfile ($zipped bytes; programs $programs bytes unpacked); dist/SHA256SUMS"
