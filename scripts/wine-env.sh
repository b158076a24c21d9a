# Sourced by the scripts that run Windows programs under Wine. Some hosts' kernels
# cannot execute 32-bit code at all, so 32-bit Wine cannot start there; on those the
# Wine runs use the 64-bit build (preset windows64) and a 64-bit prefix.

# 0 when this host can start 32-bit Wine.
kelvane_can_run_32bit() {
  /usr/lib/wine/wine --version >/dev/null 2>&1
}

# The build folder whose Windows programs this host can run under Wine.
kelvane_wine_build() {
  if kelvane_can_run_32bit; then echo "$1/build/windows"; else echo "$1/build/windows64"; fi
}

# The preset of that build.
kelvane_wine_preset() {
  if kelvane_can_run_32bit; then echo windows; else echo windows64; fi
}

# Sets WINEARCH and KELVANE_WINE (the loader to run programs with) for a prefix of
# the given architecture (win32 or win64). The win64 loader is called directly:
# /usr/bin/wine prefers the 32-bit one whenever it is installed.
kelvane_wine_use() {
  export WINEARCH=$1
  if [ "$1" = win64 ]; then
    export KELVANE_WINE=/usr/lib/wine/wine64 WINELOADER=/usr/lib/wine/wine64
  else
    export KELVANE_WINE=wine
  fi
}

# win32 or win64, from the machine field of a PE file's header.
kelvane_pe_arch() {
  local pe machine
  pe=$(od -An -t u4 -j 60 -N 4 "$1" | tr -d ' ')
  machine=$(od -An -t x2 -j $((pe + 4)) -N 2 "$1" | tr -d ' ')
  if [ "$machine" = 8664 ]; then echo win64; else echo win32; fi
}
