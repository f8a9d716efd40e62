#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
# The package holds exactly what the install rules install, under /usr, owned by root with
# the usual modes, and its md5sums cover every file (dpkg --verify reads them).
# Usage: check_deb_contents.sh OUT_DIR VERSION EXPECTED_FILES
source "$(dirname "$0")/common.sh"
out=$1 version=$2 expected=$3
deb=$out/drelk_${version}_$(dpkg --print-architecture).deb

listing=$(dpkg-deb --contents "$deb")
files=$(awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' <<<"$listing" | sort)
want=$(expected_files "$expected" | sed 's|^|usr/|')
[ "$files" = "$want" ] || fail "the package's files differ from $expected (< expected, > packed):"$'\n'"$(
    diff <(echo "$want") <(echo "$files") || true)"

while read -r mode owner _ _ _ path; do
    [ "$owner" = root/root ] || fail "$path is owned by $owner"
    case $mode:$path in
    d*) want_mode=drwxr-xr-x ;;
    *:./usr/bin/*) want_mode=-rwxr-xr-x ;;
    l*:./usr/libexec/xscreensaver/*) want_mode=lrwxrwxrwx ;; # checked at install.files
    *) want_mode=-rw-r--r-- ;;
    esac
    [ "$mode" = "$want_mode" ] || fail "$path has mode $mode, not $want_mode"
done <<<"$listing"

summed=$(dpkg-deb --info "$deb" md5sums | awk '{ print $2 }' | sort)
regular=$(awk '$1 ~ /^-/ { sub(/^\.\//, "", $6); print $6 }' <<<"$listing" | sort)
[ "$summed" = "$regular" ] || fail "md5sums does not cover exactly the package's files"
echo "$deb holds the $(wc -l <<<"$files") expected files"
