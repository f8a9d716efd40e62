#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
"""End-to-end cases of the real drelk program under a Wayland compositor (weston, headless):
the toplevel's title and app id, the window at its physical size inside Qt's own frame, the
queen and the drone lines, animation without trails, and status 0 once the compositor
closes it.

    wayland_test.py DRELK_BINARY [--scale N]
"""

import argparse
import os
import re
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import screen_image  # noqa: E402
import window_test  # noqa: E402
from case_runner import check, main_guard, run_cases  # noqa: E402
from drelk_window import TITLE, DrelkProcess  # noqa: E402
from weston_session import BACKGROUND, CloseRelay, WestonSession, wait_toplevel  # noqa: E402
from x_session import unwind_on_signals  # noqa: E402

APP_ID = "io.github.drelk.drelk"
# Qt draws the frame itself on Wayland: 3 pixels left, right and bottom, a 30-pixel title bar.
FRAME = (3, 30, 3, 3)


class Fixture(window_test.Fixture):
    def __init__(self, session, binary):
        self.session = session
        self.scale = session.scale
        self.relay = CloseRelay(session)
        # The program's own log of the protocol is how the test learns what it asked for.
        session.env.update(WAYLAND_DISPLAY=self.relay.name, WAYLAND_DEBUG="client")
        self.program = DrelkProcess(session, binary)
        session.env.update(WAYLAND_DISPLAY=session.SOCKET)
        session.env.pop("WAYLAND_DEBUG")
        self.save_path = None
        self.toplevel = None
        self.client = None  # left, top, width and height of the client area on the screen

    def shot(self):
        return screen_image.crop(self.session.screenshot(), *self.client)

    def requests(self, name):
        """The arguments of each request `name` the program made of its toplevel."""
        pattern = rf"-> xdg_toplevel[@#]{self.toplevel}\.{name}\((.*)\)$"
        return re.findall(pattern, self.program.stderr(), re.M)


def names_its_toplevel(f):
    f.toplevel = wait_toplevel(f.program)
    check(wait_for(lambda: f.requests("set_app_id")), "no app id set")
    check(f.requests("set_title") == [f'"{TITLE}"'], f"titles {f.requests('set_title')}")
    check(f.requests("set_app_id") == [f'"{APP_ID}"'], f"app ids {f.requests('set_app_id')}")


def wait_for(predicate, timeout=10.0):
    deadline = time.monotonic() + timeout
    while not predicate():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.05)
    return True


def shown_in_its_frame(f):
    """The window on the screen is Qt's frame around a client area of the designed physical
    size: everything off the background is the frame's outer rectangle."""
    scale = f.scale
    expected = [side * scale for side in window_test.DESIGNED_CLIENT_SIZE]
    outer = None

    def framed():
        nonlocal outer
        outer = painted_box(f.session.screenshot())
        return outer and outer[2:] == (expected[0] + (FRAME[0] + FRAME[2]) * scale,
                                       expected[1] + (FRAME[1] + FRAME[3]) * scale)
    check(wait_for(framed), f"window on screen at {outer}, expected a frame around a "
                            f"{expected[0]} x {expected[1]} client area")
    f.client = (outer[0] + FRAME[0] * scale, outer[1] + FRAME[1] * scale, *expected)


def painted_box(image):
    """Left, top, width and height of everything that is not the desktop's background."""
    background = bytes(BACKGROUND)
    rows = [y for y in range(image.height)
            if image.data[y * image.width * 3:(y + 1) * image.width * 3]
            != background * image.width]
    if not rows:
        return None
    columns = [x for x in range(image.width)
               if any(image.rgb(x, y) != BACKGROUND for y in range(rows[0], rows[-1] + 1, 7))]
    return columns[0], rows[0], columns[-1] - columns[0] + 1, rows[-1] - rows[0] + 1


def exits_when_closed(f):
    start = time.monotonic()
    f.relay.close_toplevel(f.toplevel)
    try:
        status, _ = f.program.wait_exit(timeout=5)
    except subprocess.TimeoutExpired:
        log = f.program.stderr()
        received = re.search(rf"xdg_toplevel[@#]{f.toplevel}\.close\(\)", log) is not None
        raise AssertionError(f"still running 5 s after the close, which it "
                             f"{'received' if received else 'never received'} (relay error "
                             f"{f.relay.error}); its log ends {log[-400:]!r}") from None
    elapsed = time.monotonic() - start
    check(f.relay.error is None, f"the relay failed: {f.relay.error}")
    check(status == 0, f"exit status {status}")
    check(elapsed <= 1.0, f"took {elapsed:.2f} s to exit after the close")
    warnings = [line for line in f.program.stderr().splitlines()
                if not re.match(r"\[ *\d+\.\d+\]", line)]
    check(not warnings, f"wrote to stderr: {warnings}")


CASES = [
    ("toplevel titled with the menu entry's app id", names_its_toplevel),
    ("client area at its physical size in Qt's frame", shown_in_its_frame),
    ("queen disc and drone lines on screen", window_test.queen_and_drones),
    ("animates between ticks without trails", window_test.animates_without_trails),
    ("exits 0 when the compositor closes it", exits_when_closed),
]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("binary", help="the drelk program to test")
    parser.add_argument("--scale", type=int, default=1, help="weston's output scale")
    args = parser.parse_args()
    if not os.access(args.binary, os.X_OK):
        parser.error(f"not an executable: {args.binary}")
    unwind_on_signals()
    with WestonSession(scale=args.scale) as session:
        fixture = Fixture(session, args.binary)
        try:
            status = run_cases(CASES, fixture)
        finally:
            fixture.relay.stop()
        return status


if __name__ == "__main__":
    main_guard(main)
