# Which Windows programs Wine runs on this machine; sourced by the scripts that build or run
# them. `bw_wine_arch` prints 32 where the machine runs 32-bit Linux programs (Debian's
# 32-bit Wine loader starts), else 64 when Wine's 64-bit loader is there. The product is
# the 32-bit (i686) build; on a machine that runs only 64-bit programs the end-to-end
# tests and the demo run the 64-bit (x86_64) build of the same sources instead, and the
# checks that only read the program file still read the 32-bit one.
bw_wine_arch() {
  if [ ! -x /usr/lib/wine/wine64 ] || /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo 32
  else
    echo 64
  fi
}

# The CMake preset of the Windows build that Wine runs here.
bw_wine_preset() {
  if [ "$(bw_wine_arch)" = 64 ]; then echo mingw64; else echo mingw; fi
}
