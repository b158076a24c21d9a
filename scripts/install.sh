#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, test and demo both programs.
# Idempotent: packages already present are left alone, and apt is not touched at all
# when nothing is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine32 wine64 xvfb xauth x11-utils xdotool imagemagick
  qstat python3 zip unzip
)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  arch=""
  [ "$p" = wine32 ] && arch=":i386"
  dpkg-query -W -f='${Status}' "$p$arch" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "install: adding ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]/wine32/wine32:i386}"
fi

# The posix thread model gives MinGW std::thread and std::mutex.
for tool in i686-w64-mingw32-g++ i686-w64-mingw32-gcc x86_64-w64-mingw32-g++ x86_64-w64-mingw32-gcc; do
  if [ -e "/usr/bin/$tool-posix" ] && [ "$(readlink -f "/usr/bin/$tool")" != "$(readlink -f "/usr/bin/$tool-posix")" ]; then
    "${sudo_cmd[@]}" update-alternatives --set "$tool" "/usr/bin/$tool-posix" >/dev/null
  fi
done
echo "install: ready"
