#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
"""End-to-end cases of the real drelk program on a high-DPI X11 desktop (Xvfb, openbox): twips
are physical, so the client area is 9105 x 6930 twips in device pixels at the desktop's
scale, the lines and the queen grow with it, and the picture flies without trails.

    hidpi_test.py DRELK_BINARY SETTING [--flight SECONDS]

SETTING is one of: scale2 (QT_SCALE_FACTOR=2), xft192 (the Xft.dpi resource at 192, as
GNOME and Xfce set it at 200 %), scale1.5, scale1.25 (fractional QT_SCALE_FACTOR).
"""

import argparse
import os
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import window_test  # noqa: E402
from case_runner import check, main_guard, run_cases  # noqa: E402
from drelk_window import client_geometry  # noqa: E402
from x_session import XSession, unwind_on_signals  # noqa: E402

# Device pixels to the 96-dpi pixel, and how the desktop is told.
SETTINGS = {
    "scale2": (2, {"QT_SCALE_FACTOR": "2"}, None),
    "xft192": (2, {}, "Xft.dpi: 192\n"),
    "scale1.5": (1.5, {"QT_SCALE_FACTOR": "1.5"}, None),
    "scale1.25": (1.25, {"QT_SCALE_FACTOR": "1.25"}, None),
}


class Fixture(window_test.Fixture):
    def __init__(self, session, binary, scale, flight):
        super().__init__(session, binary, None)
        self.scale = scale
        self.flight = flight


def physical_size(f):
    """Within a pixel of the designed size times the scale: exactly, at a whole scale."""
    f.window = f.program.wait_window()
    geometry = client_geometry(f.session, f.window)
    want = [side * f.scale for side in window_test.DESIGNED_CLIENT_SIZE]
    off = max(abs(geometry.width - want[0]), abs(geometry.height - want[1]))
    check(off <= (0 if f.scale == int(f.scale) else 1),
          f"client area {geometry}, expected {want[0]:g} x {want[1]:g} device pixels")


def flies_without_trails(f):
    """Looked for every few seconds of the flight: a repaint that falls short leaves
    hundreds of stray pixels a second, and a rare one is caught before a passing line
    paints it over."""
    end = time.monotonic() + f.flight
    while time.monotonic() < end:
        time.sleep(min(5.0, max(0.0, end - time.monotonic())))
        window_test.expect_no_trails(f, f.shot())
    window_test.expect_no_trails(f, f.expect_animating(pairs=2))


CASES = [
    ("client area at its physical size", physical_size),
    ("queen disc and drone lines at the desktop's scale", window_test.queen_and_drones),
    ("flies without trails", flies_without_trails),
    ("exits 0 when closed by the window manager", window_test.exits_when_closed),
]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("binary", help="the drelk program to test")
    parser.add_argument("setting", choices=sorted(SETTINGS), help="the desktop's scale")
    parser.add_argument("--flight", type=float, default=2.0, metavar="SECONDS",
                        help="how long it flies before the trails are looked for")
    args = parser.parse_args()
    if not os.access(args.binary, os.X_OK):
        parser.error(f"not an executable: {args.binary}")
    scale, env, resources = SETTINGS[args.setting]
    unwind_on_signals()
    with XSession(1920, 1200) as session:
        if resources:
            session.run(["xrdb", "-merge"], input=resources.encode())
        session.env.update(env)
        return run_cases(CASES, Fixture(session, args.binary, scale, args.flight))


if __name__ == "__main__":
    main_guard(main)
