#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix, STAGE/usr, the way a packager would.
# Usage: stage_install.sh BUILD_DIR STAGE
source "$(dirname "$0")/common.sh"
build=$1 stage=$2

rm -rf "$stage"
cmake --install "$build" --prefix "$stage/usr" >/dev/null ||
    fail "cmake --install $build --prefix $stage/usr failed"
