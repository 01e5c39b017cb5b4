#!/usr/bin/env bash
# Makes a release of the commit checked out (HEAD): builds Brindlewick.exe in a fresh clone
# of it, as CI does (the mingw preset, MinSizeRel), checks it with tools/check_exe.sh and
# writes dist/Brindlewick-VERSION-win32.zip (the exe and README.txt) and dist/SHA256SUMS.
# A commit gives the same bytes wherever and whenever it is built.
#
#   tools/release.sh           makes the release; refuses a working tree with changes that
#                              are not committed, since they would not be in it
#   tools/release.sh --verify  builds the commit twice, in two folders one after the
#                              other, under another time zone and umask the second time,
#                              and compares the exe and the zip byte for byte. Writes
#                              nothing to dist/.
#
# BW_RELEASE_TIMEOUT: the seconds one build may take (1200).
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD

verify=
case "${1:-}" in
  "") ;;
  --verify) verify=1 ;;
  *) echo "usage: tools/release.sh [--verify]" >&2; exit 2 ;;
esac

say() { echo "release: $*"; }
fail() { echo "release: $*" >&2; exit 1; }

if [ -n "$(git status --porcelain)" ]; then
  [ -n "$verify" ] || fail "the working tree has changes that are not committed; commit or stash them first"
  say "warning: the working tree has changes that are not committed; checking HEAD without them"
fi
tools/setup.sh native windows

commit=$(git rev-parse --verify HEAD)
# The time every file of the release carries: the commit's, not the build's.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct "$commit")
export SOURCE_DATE_EPOCH
limit=${BW_RELEASE_TIMEOUT:-1200}

tmp=$(mktemp -d "${TMPDIR:-/tmp}/brindlewick-release.XXXXXX")
# A failure anywhere, in a subshell too, leaves this mark so that its logs are kept.
keep() { touch "$tmp/keep"; }
trap '[ -e "$tmp/keep" ] || rm -rf "$tmp"' EXIT

# Runs a command that may take long with its output in LOG, giving up after SECONDS.
bounded() {  # SECONDS WHAT LOG COMMAND...
  local seconds=$1 what=$2 log=$3 status=0
  shift 3
  timeout --kill-after=10 "$seconds" "$@" >>"$log" 2>&1 || status=$?
  [ "$status" -eq 0 ] && return 0
  tail -n 30 "$log" >&2
  keep
  if [ "$status" -eq 124 ]; then
    fail "$what did not finish within $seconds s; its output is in $log"
  fi
  fail "$what failed; its output is in $log"
}

# Clones the commit into DIR/src, builds the exe there and packs DIR/$zip_name. Sets
# $version and $zip_name.
build() {  # DIR
  local dir=$1 src=$1/src log=$1/build.log
  mkdir -p "$dir"
  say "building $(git log -1 --format='%h (%cs)' "$commit") in $dir"
  bounded 300 "cloning into $src" "$log" git clone --quiet --no-checkout "$top" "$src"
  git -C "$src" checkout --quiet --detach "$commit"
  (
    cd "$src"
    bounded 300 "configuring in $src" "$log" cmake --preset mingw -DBRINDLEWICK_WERROR=ON
    bounded "$limit" "the build in $src" "$log" cmake --build --preset mingw --target Brindlewick
    tools/check_exe.sh build/mingw/app/Brindlewick.exe
  )
  version=$(sed -n 's/^#define BRINDLEWICK_VERSION "\(.*\)"$/\1/p' \
    "$src/build/mingw/generated/brindlewick/version.h")
  [ -n "$version" ] || fail "no version in $src/build/mingw/generated/brindlewick/version.h"
  zip_name=Brindlewick-$version-win32.zip

  # The zip holds only what is named here, in this order, with the commit's time (zip keeps
  # local time: UTC here), one file mode and no owner or extra time fields (-X).
  local stage=$dir/stage
  mkdir "$stage"
  cp "$src/build/mingw/app/Brindlewick.exe" "$src/build/mingw/resources/README.txt" "$stage/"
  chmod 0644 "$stage"/*
  touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*
  (cd "$stage" && printf '%s\n' Brindlewick.exe README.txt | TZ=UTC zip -X -D -q -@ "$dir/$zip_name")
  cp "$stage/Brindlewick.exe" "$dir/Brindlewick.exe"
}

sum() { sha256sum "$1" | cut -d' ' -f1; }

if [ -z "$verify" ]; then
  build "$tmp/build"
  rm -rf dist
  mkdir dist
  cp "$tmp/build/$zip_name" dist/
  (cd dist && sha256sum "$zip_name" >SHA256SUMS)
  say "Brindlewick.exe sha256 $(sum "$tmp/build/Brindlewick.exe")"
  say "wrote dist/$zip_name and dist/SHA256SUMS:"
  sed 's/^/  /' dist/SHA256SUMS
  exit 0
fi

# Two folders of different names and depths; the second build starts after the first one
# ends, in another time zone and with another umask.
one=$tmp/one
two=$tmp/second-build/elsewhere
build "$one"
(umask 0077; export TZ=Pacific/Kiritimati; build "$two")
zip_name=$(cd "$one" && ls Brindlewick-*-win32.zip)
same=1
for f in Brindlewick.exe "$zip_name"; do
  say "$f sha256: $(sum "$one/$f") (first build), $(sum "$two/$f") (second build)"
  if ! cmp "$one/$f" "$two/$f"; then
    same=
  fi
done
if [ -z "$same" ]; then
  keep
  fail "the two builds differ; both are kept in $one and $two"
fi
say "the two builds are byte-identical"
