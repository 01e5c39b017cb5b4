#!/usr/bin/env bash
# app/ansi_imports_win32.cpp stands in for three "W" functions of kernel32 in Brindlewick.exe
# (see there): through it they create, find and load what the "W" functions would, fail as
# they would on names with no ANSI form, and the runtime that calls them still unwinds
# exceptions and converts text. Its probe is linked with it as the program is.
. "$(dirname "$0")/lib.sh"
probe=$BW_BUILD/e2e/ansi_imports_probe.exe
need "$probe"
# A console program under Wine ends its lines in CRLF; it could hang only if Wine did.
shown=$(timeout 60 wine "$probe" | tr -d '\r')
for fact in unnamed-semaphore-counts named-semaphore-is-the-ansi-one null-module-is-the-program \
            msvcrt-found-by-name module-not-loaded-is-null library-loads absent-library-is-null \
            name-over-max-path-fails name-the-code-page-lacks-fails exception-caught \
            wcrtomb-converts; do
  check "$fact" yes "$(sed -n "s/^$fact //p" <<<"$shown")"
done
# Wine has all three "W" functions: without this the facts above would hold anyway.
# (x86_64-w64-mingw32-objdump reads both the 32-bit and the 64-bit builds.)
check "the probe imports none of the three" "" \
  "$(x86_64-w64-mingw32-objdump -p "$probe" | grep -oE 'CreateSemaphoreW|GetModuleHandleW|LoadLibraryW' | paste -sd ' ')"
finish "ansi imports"
