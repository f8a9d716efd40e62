#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
# The install rules put exactly the expected files under the prefix, nothing more or less,
# with the modes a package needs: programs executable, everything else plain read-only data,
# but for relative links that lead to an installed program of the same name.
# Usage: check_installed_files.sh STAGE EXPECTED_FILES
source "$(dirname "$0")/common.sh"
prefix=$1/usr expected=$2

installed=$(cd "$prefix" && find . ! -type d -printf '%P\n' | sort)
if [ "$installed" != "$(expected_files "$expected")" ]; then
    fail "the installed files differ from $expected (< expected, > installed):"$'\n'"$(
        diff <(expected_files "$expected") <(echo "$installed") || true)"
fi

while read -r path; do
    if [ -L "$prefix/$path" ]; then
        program=$prefix/bin/${path##*/}
        [[ $(readlink "$prefix/$path") != /* ]] && [ -x "$program" ] &&
            [ "$(realpath "$prefix/$path")" = "$(realpath "$program")" ] ||
            fail "$path links to $(readlink "$prefix/$path"), not relatively to bin/${path##*/}"
        continue
    fi
    mode=$(stat -c %a "$prefix/$path")
    case $path in
    bin/*) want=755 ;;
    *) want=644 ;;
    esac
    [ "$mode" = "$want" ] || fail "$path is installed with mode $mode, not $want"
done <<<"$installed"
echo "installed as expected: $(wc -l <<<"$installed") files"
