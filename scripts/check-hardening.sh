#!/usr/bin/env bash
# Checks that an ELF program was built hardened: a position-independent executable, full RELRO
# (a GNU_RELRO segment and immediate binding), stack canaries and, unless told otherwise,
# fortified libc calls. Needs readelf (binutils).
# Usage: bash scripts/check-hardening.sh [--fortify=yes|no] PROGRAM
# --fortify=no is for unoptimised builds, where _FORTIFY_SOURCE has no effect.
set -euo pipefail

fortify=yes
while (($#)); do
  case "$1" in
    --fortify=yes | --fortify=no) fortify="${1#--fortify=}"; shift ;;
    -*) echo "check-hardening: unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
done
if (($# != 1)); then
  echo "usage: check-hardening.sh [--fortify=yes|no] PROGRAM" >&2
  exit 2
fi
program="$1"
[ -f "$program" ] || { echo "check-hardening: $program: no such file" >&2; exit 2; }

export LC_ALL=C
header=$(readelf --file-header --wide "$program")
dynamic=$(readelf --dynamic --wide "$program")
segments=$(readelf --program-headers --wide "$program")
# Names of the symbols the program takes from shared libraries, without their versions.
imported=$(readelf --dyn-syms --wide "$program" |
  awk '$7 == "UND" && $8 != "" { sub(/@.*/, "", $8); print $8 }' | sort -u)

failures=0
check() {
  local what="$1"; shift
  if "$@"; then
    echo "check-hardening: ok   $what"
  else
    echo "check-hardening: FAIL $what" >&2
    failures=$((failures + 1))
  fi
}

# A PIE is ELF type DYN that is still a program: it has an interpreter, unlike a shared library.
is_pie() {
  grep -Eq '^ *Type: +DYN' <<<"$header" && grep -q 'INTERP' <<<"$segments"
}
# The linker records -z now as DF_BIND_NOW in FLAGS (or as a BIND_NOW entry), or as NOW in FLAGS_1.
binds_now() {
  grep -Eq '\(FLAGS\).*\<BIND_NOW\>|\(BIND_NOW\)|\(FLAGS_1\).*\<NOW\>' <<<"$dynamic"
}
has_relro() { grep -Eq '^ *GNU_RELRO ' <<<"$segments"; }
has_stack_protector() { grep -qx '__stack_chk_fail' <<<"$imported"; }
# Fortified calls go to glibc's checking variants: __memcpy_chk, __fprintf_chk and the like.
has_fortified_calls() { grep -Eq '^__[A-Za-z0-9_]+_chk$' <<<"$imported"; }

check "position-independent executable (ELF type DYN with an interpreter)" is_pie
check "immediate binding (BIND_NOW)" binds_now
check "read-only relocations (GNU_RELRO segment)" has_relro
check "stack protector (__stack_chk_fail imported)" has_stack_protector
if [ "$fortify" = yes ]; then
  check "fortified libc calls (a __*_chk function imported)" has_fortified_calls
fi

if ((failures)); then
  echo "check-hardening: $program: $failures check(s) failed" >&2
  exit 1
fi
echo "check-hardening: $program is hardened"
