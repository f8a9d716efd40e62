#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
# The package is drelk_VERSION_ARCH.deb with the right control fields and a well-formed
# changelog for that version; its Depends, found by dpkg-shlibdeps, covers every shared
# library its programs load, Qt 6 included; apt accepts it for installation on this machine.
# Usage: check_deb_control.sh OUT_DIR VERSION
source "$(dirname "$0")/common.sh"
out=$1 version=$2
arch=$(dpkg --print-architecture)
deb=$out/drelk_${version}_$arch.deb
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

debs=("$out"/*.deb)
[ "${debs[*]}" = "$deb" ] || fail "cpack made ${debs[*]}, not $deb"

dpkg-deb --info "$deb"
field()
{
    dpkg-deb --field "$deb" "$1"
}
[ "$(field Package)" = drelk ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = x11 ] || fail "Section is '$(field Section)'"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] ||
    fail "Maintainer '$(field Maintainer)' is not 'Name <address>'"
[ "$(field Description | wc -l)" -ge 2 ] || fail "the Description has no long text"

depends=$(field Depends | tr ',|' '\n' | sed -e 's/ *(.*//' -e 's/^ *//' | sort -u)
grep -q '^libqt6' <<<"$depends" || fail "Depends names no Qt 6 library: $(field Depends)"
dpkg -x "$deb" "$scratch"
for program in "$scratch"/usr/bin/*; do
    for library in $(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
        owners=$(dpkg -S "*/$library" 2>/dev/null | sed 's/: .*//' | tr ',' '\n' |
            sed -e 's/^ *//' -e 's/:.*//' | sort -u)
        [ -n "$owners" ] || fail "${program##*/} loads $library, which no package holds"
        grep -qxF -f <(echo "$owners") <<<"$depends" ||
            fail "${program##*/} loads $library from $(paste -sd, <<<"$owners"), missing from Depends"
    done
done

zcat "$scratch/usr/share/doc/drelk/changelog.gz" >"$scratch/changelog"
logged=$(dpkg-parsechangelog -l "$scratch/changelog" -S Version 2>"$scratch/parse.log") ||
    fail "dpkg-parsechangelog cannot read the changelog"
[ ! -s "$scratch/parse.log" ] || fail "the changelog is malformed:"$'\n'"$(cat "$scratch/parse.log")"
[ "$logged" = "$version" ] || fail "the changelog's latest entry is $logged, not $version"

# What `apt-get install ./drelk_*.deb` would do, without doing it.
apt-get install --simulate -o Debug::NoLocking=1 "$deb" >"$scratch/apt.log" 2>&1 ||
    fail "apt-get would not install $deb:"$'\n'"$(cat "$scratch/apt.log")"
grep -q '^Inst drelk ' "$scratch/apt.log" || grep -q 'drelk is already' "$scratch/apt.log" ||
    fail "apt-get would not install drelk:"$'\n'"$(cat "$scratch/apt.log")"
