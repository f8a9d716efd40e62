#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
"""Runs one Qt program in a private headless weston, on Qt's Wayland platform, and ends with
the program's status.

    in_weston.py [--scale N] PROGRAM [ARGUMENT...]
"""

import argparse
import os
import subprocess
import sys

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from case_runner import main_guard  # noqa: E402
from weston_session import WestonSession  # noqa: E402
from x_session import unwind_on_signals  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--scale", type=int, default=1, help="weston's output scale")
    parser.add_argument("program", nargs=argparse.REMAINDER, help="the program and its arguments")
    args = parser.parse_args()
    if not args.program:
        parser.error("no program to run")
    unwind_on_signals()
    with WestonSession(scale=args.scale) as session:
        child = session.spawn(args.program)
        try:
            return child.wait(timeout=120)
        except subprocess.TimeoutExpired:
            print("in_weston.py: the program ran for more than 120 s", file=sys.stderr)
            return 1


if __name__ == "__main__":
    main_guard(main)
