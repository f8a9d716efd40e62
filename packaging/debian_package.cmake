# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
# The Debian package, made by `cpack` in the build directory: drelk_<version>_<arch>.deb.
# It holds everything the install rules put under the prefix, which CPack sets to /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME drelk)
# The whole four-part version; CPack would otherwise build a three-part one.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Drelk developers")
set(CPACK_PACKAGE_CONTACT "${DRELK_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL ${DRELK_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "queen bee and ten drones flying in a window")
# Lines of at most 79 characters, as Debian's tools expect.
set(CPACK_PACKAGE_DESCRIPTION
    "A small desktop animation. In a window of its own the queen flies a
jittering course and turns back near the window's edges, while ten drones
chase her: ten times a second each of them turns a quarter of the way toward
her and flies on.

The package also holds drelk-sim, which runs the same flight without a
window and prints every tick as comma-separated values.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not games: Debian keeps that section's programs in /usr/games, and drelk lives in bin.
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends is worked out by dpkg-shlibdeps from the libraries the binaries really load (Qt 6,
# the C++ runtime), so apt pulls them in. The architecture is left to dpkg as well.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Without its Wayland plugin, Qt runs a Wayland session's window through XWayland; without
# Qt's own catalogues, Qt's texts (the message box's buttons, the help's Qt options) stay
# English in every language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)

include(CPack)
