#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
# Every installed program has a manual page that renders without a warning, is named after
# it, and documents every option that the program's --help lists.
# Usage: check_manpages.sh STAGE
source "$(dirname "$0")/common.sh"
prefix=$1/usr

for program in "$prefix"/bin/*; do
    name=${program##*/}
    pages=("$prefix"/share/man/man[1-8]/"$name".[1-8].gz)
    [ -f "${pages[0]}" ] || fail "$name has no manual page"
    [ ${#pages[@]} -eq 1 ] || fail "$name has ${#pages[@]} manual pages"
    page=${pages[0]}
    gzip -t "$page" || fail "$page is not a sound gzip file"

    warnings=$(zcat "$page" | groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || fail "$page renders with warnings:"$'\n'"$warnings"
    text=$(zcat "$page" | groff -man -Tascii -P-cbou 2>/dev/null)
    grep -A1 '^NAME' <<<"$text" | grep -q "^ *$name - " ||
        fail "$page does not begin its NAME section with '$name - '"

    help=$(QT_QPA_PLATFORM=offscreen timeout 20 "$program" --help) ||
        fail "$name --help failed"
    options=$(grep -oE -- '--[a-z][a-z0-9-]*' <<<"$help" | sort -u)
    [ -n "$options" ] || fail "$name --help lists no options"
    # Each option heads an entry of the OPTIONS section, alone or after its short form.
    entries=$(sed -n '/^OPTIONS/,/^[A-Z]/p' <<<"$text" | grep -E '^ +-' || true)
    for option in $options; do
        grep -qE -- "^ +(-[[:alnum:]], )?$option( |,|\$)" <<<"$entries" ||
            fail "$page has no entry for $option under OPTIONS"
    done
    echo "$page documents $(wc -w <<<"$options") options: $(paste -sd" " <<<"$options")"
done
