#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
"""The real drelk window under stress in Xvfb under openbox: 200 random resizes in 20 seconds,
from 1 x 1 pixel up to the full screen, with a minimise and restore and a maximise along the
way, and a close while the resizes are still coming. Throughout, the picture keeps changing and
no second window (the error report) appears; at the end the program exits 0 with an empty
standard error.

    stress_test.py DRELK_BINARY [--seed N]
"""

import argparse
import os
import random
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import screen_image  # noqa: E402
from case_runner import CaseFailure, check, main_guard  # noqa: E402
from drelk_window import (DrelkProcess, client_geometry, close, maximise,  # noqa: E402
                          minimise, restore)
from x_session import XSession, unwind_on_signals, wait_until  # noqa: E402

SCREEN = (1280, 1024)
RESIZES = 200
SECONDS = 20.0
# Resize numbers at which something else happens as well.
CHECKPOINTS = (30, 65, 95, 140, 175)
MINIMISE_AT, RESTORE_AT = 50, 60
MAXIMISE_AT, UNMAXIMISE_AT = 90, 100
CLOSE_AT = 190


def random_size(rng):
    roll = rng.random()
    if roll < 0.1:
        return 1, 1
    if roll < 0.2:
        return SCREEN
    return rng.randint(1, SCREEN[0]), rng.randint(1, SCREEN[1])


class Stress:
    def __init__(self, session, binary, seed):
        self.session = session
        self.program = DrelkProcess(session, binary)
        self.rng = random.Random(seed)
        self.window = None
        self.checkpoints_passed = 0

    def expect_only_window(self):
        """The error report would be a second window of the program (a message box)."""
        shown = self.session.run(["xdotool", "search", "--onlyvisible", "--pid",
                                  str(self.program.pid)], check=False).stdout.split()
        check(len(shown) <= 1, f"{len(shown)} windows of drelk on screen: an error report?")
        check(self.program.alive(), f"drelk exited with {self.program.process.returncode}; "
                                    f"stderr: {self.program.stderr()!r}")

    def resize(self, width, height):
        # Not waited for: the window manager and the program get the requests back to back.
        self.session.run(["xdotool", "windowsize", str(self.window), str(width), str(height)],
                         check=False)

    def expect_animating(self, at):
        """At full-screen size the queen and her drones are in view: the picture must change."""
        self.resize(*SCREEN)
        time.sleep(0.25)
        before = screen_image.grab(self.session)
        for _ in range(3):
            time.sleep(0.3)
            after = screen_image.grab(self.session)
            if screen_image.changed_pixels(before, after) > 0:
                self.checkpoints_passed += 1
                return
            before = after
        raise CaseFailure(f"the picture stopped changing (at resize {at})")

    def run(self):
        self.window = self.program.wait_window()
        start = time.monotonic()
        for i in range(RESIZES):
            # Keep to the pace of one resize per 100 ms; catch up after slower steps.
            delay = start + i * SECONDS / RESIZES - time.monotonic()
            if delay > 0:
                time.sleep(delay)
            if i in CHECKPOINTS:
                self.expect_animating(i)
            elif i == MINIMISE_AT:
                minimise(self.session, self.window)
            elif i == RESTORE_AT:
                restore(self.session, self.window)
                wait_until(lambda: client_geometry(self.session, self.window).viewable, 5,
                           "the window to come back from minimised")
            elif i == MAXIMISE_AT:
                maximise(self.session, self.window)
            elif i == UNMAXIMISE_AT:
                maximise(self.session, self.window, on=False)
            elif i == CLOSE_AT:
                close(self.session)
                closed_at = time.monotonic()
            # After the close, requests still arrive at a window that is going away.
            self.resize(*random_size(self.rng))
            if i < CLOSE_AT and i % 10 == 0:
                self.expect_only_window()
        check(self.checkpoints_passed == len(CHECKPOINTS), "not every checkpoint was reached")
        status, _ = self.program.wait_exit(timeout=max(1.0, closed_at + 5 - time.monotonic()))
        check(status == 0, f"exit status {status} after the close")
        check(self.program.stderr() == "", f"wrote to stderr: {self.program.stderr()!r}")
        print(f"ok: {RESIZES} resizes in {closed_at - start:.1f} s up to the close, "
              f"{len(CHECKPOINTS)} animation checkpoints, exit 0, stderr empty", flush=True)
        return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("binary", help="the drelk program to test")
    parser.add_argument("--seed", type=int, default=None,
                        help="seed for the random sizes (default: a fresh one, printed)")
    args = parser.parse_args()
    if not os.access(args.binary, os.X_OK):
        parser.error(f"not an executable: {args.binary}")
    seed = args.seed if args.seed is not None else random.SystemRandom().randrange(2**32)
    print(f"seed {seed}", flush=True)
    unwind_on_signals()
    with XSession(*SCREEN) as session:
        try:
            return Stress(session, args.binary, seed).run()
        except (AssertionError, TimeoutError) as error:
            print(f"FAIL: {error}", flush=True)
            return 1


if __name__ == "__main__":
    main_guard(main)
