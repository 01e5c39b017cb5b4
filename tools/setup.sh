#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when missing.
# Safe to run again: it only calls apt-get when something is absent.
# usage: tools/setup.sh [GROUP...]   groups: native, windows, fuzz; all of them by default
set -euo pipefail

native=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev libicu-dev
        groff-base)
# fonts-wine: the fonts Wine draws its own captions, caption buttons and dialogs with.
# The x86_64 compiler builds the programs Wine runs on a machine without 32-bit programs
# (tools/wine_arch.sh).
windows=(g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
         wine wine32 wine64 fonts-wine xvfb xdotool
         imagemagick sox x11-utils xxd xclip fonts-liberation
         zip)  # zip: the release archive (tools/release.sh)
# The fuzz preset: clang and its libFuzzer and sanitizer runtimes.
fuzz=(clang libclang-rt-14-dev)

groups=("$@")
[ ${#groups[@]} -eq 0 ] && groups=(native windows fuzz)
wanted=()
for group in "${groups[@]}"; do
  case "$group" in
    native) wanted+=("${native[@]}") ;;
    windows) wanted+=("${windows[@]}") ;;
    fuzz) wanted+=("${fuzz[@]}") ;;
    *) echo "setup: unknown group '$group' (native, windows or fuzz)" >&2; exit 2 ;;
  esac
done

missing=()
for pkg in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
# wine32 is an i386 package.
if [[ " ${groups[*]} " == *" windows "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
echo "Installing Debian packages (once, a few minutes): ${missing[*]}" >&2
log=$(mktemp "${TMPDIR:-/tmp}/brindlewick-setup.XXXXXX")
if ! { $sudo apt-get update -qq &&
       DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
         "${missing[@]}"; } >"$log" 2>&1; then
  tail -n 30 "$log" >&2
  echo "setup: apt-get failed; its whole output is in $log" >&2
  exit 1
fi
rm -f "$log"
