#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need, when missing.
# Safe to run again: it only calls apt-get when something is absent.
set -euo pipefail

native=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev libicu-dev
        groff-base)
# fonts-wine: the fonts Wine draws its own captions, caption buttons and dialogs with.
windows=(g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32 wine64 fonts-wine xvfb xdotool
         imagemagick sox x11-utils xxd xclip fonts-liberation)

missing=()
for pkg in "${native[@]}" "${windows[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
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
