# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Shared by the install checks: strict shell, a one-line failure, and the expected file list.
set -euo pipefail
export LC_ALL=C.UTF-8

fail()
{
    echo "FAIL: $*" >&2
    exit 1
}

# The expected files, sorted, without comments or blank lines.
expected_files()
{
    sed -e '/^#/d' -e '/^$/d' "$1" | sort
}

# Runs a tool that should print nothing; fails with what it printed otherwise.
expect_silent()
{
    local out
    if ! out=$("$@" 2>&1) || [ -n "$out" ]; then
        fail "$* reported:"$'\n'"$out"
    fi
}
