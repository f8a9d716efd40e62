// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

// The layer shell's client code, made by wayland-scanner. The scanner names the C functions'
// arguments after the protocol's, and get_layer_surface has one called "namespace", a C++
// keyword (wayland-scanner 1.21 checked): it is renamed while the header is read.
#define namespace namespace_
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#undef namespace
