#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
# Builds the Debian package with CPack into a scratch folder.
# Usage: build_deb.sh BUILD_DIR OUT_DIR
source "$(dirname "$0")/common.sh"
build=$1 out=$2

rm -rf "$out"
mkdir -p "$out"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log" >&2
    fail "cpack could not build the package"
fi
