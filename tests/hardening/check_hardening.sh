#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
# Checks that each ELF binary given was linked hardened: a position-independent executable,
# full RELRO (a read-only GOT after the eager binding that BIND_NOW asks for), the stack
# protector and fortified libc calls. Prints one line per missing property and fails.
set -euo pipefail

if [ $# -eq 0 ]; then
    echo "usage: check_hardening.sh BINARY..." >&2
    exit 2
fi

failures=0
fail() {
    echo "$1: $2"
    failures=$((failures + 1))
}

for binary in "$@"; do
    if [ ! -f "$binary" ]; then
        fail "$binary" "no such file"
        continue
    fi
    header=$(readelf --file-header --wide "$binary")
    segments=$(readelf --program-headers --wide "$binary")
    dynamic=$(readelf --dynamic --wide "$binary")
    symbols=$(readelf --dyn-syms --wide "$binary")

    # An executable that is not PIE is of type EXEC and always loads at the same address.
    grep -Eq '^ *Type: +DYN ' <<<"$header" || fail "$binary" "not position independent (Type is not DYN)"
    grep -Eq '\(FLAGS_1\).*\bPIE\b' <<<"$dynamic" || fail "$binary" "FLAGS_1 lacks PIE"
    grep -Eq '^ *GNU_RELRO ' <<<"$segments" || fail "$binary" "no GNU_RELRO segment"
    grep -Eq '\(BIND_NOW\)|\(FLAGS\).*\bBIND_NOW\b|\(FLAGS_1\).*\bNOW\b' <<<"$dynamic" ||
        fail "$binary" "lazy binding: RELRO is only partial (no BIND_NOW / FLAGS_1 NOW)"
    grep -Eq ' __stack_chk_fail(@|$)' <<<"$symbols" || fail "$binary" "no stack protector (__stack_chk_fail)"
    grep -Eq ' __[a-z0-9_]+_chk(@|$)' <<<"$symbols" || fail "$binary" "no fortified libc call (__*_chk)"
done

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "hardened: $*"
