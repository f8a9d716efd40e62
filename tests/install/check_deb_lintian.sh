#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
# Debian's own package checker finds no error or warning in the package. Its informational
# and pedantic notes are shown for the record.
# Usage: check_deb_lintian.sh OUT_DIR VERSION
source "$(dirname "$0")/common.sh"
out=$1 version=$2
deb=$out/drelk_${version}_$(dpkg --print-architecture).deb

echo "lintian --display-info --pedantic $deb"
status=0
report=$(lintian --fail-on error,warning --display-info --pedantic --tag-display-limit 0 \
    "$deb" 2>&1) || status=$?
# As root it also says that it would rather not run as root; that is not about the package.
report=$(grep -v 'running with root privileges' <<<"$report" || true)
[ $status -eq 0 ] || fail "lintian found errors or warnings (status $status):"$'\n'"$report"
echo "${report:-(no tags)}"
