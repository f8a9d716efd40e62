#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
"""End-to-end cases of the real drelk program in Xvfb under openbox: the window is found by its
title, carries its icon, flies drelk-sim's flight for its --seed, shows the queen and the drone
lines, animates, survives resizing, and ends with status 0 when the window manager closes it.

    window_test.py DRELK_BINARY [--sim DRELK_SIM] [--save-screenshot PATH]
                   [--save-animation PATH.gif]
"""

import argparse
import os
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import screen_image  # noqa: E402
from case_runner import check, main_guard, run_cases  # noqa: E402
from drelk_window import (TITLE, DrelkProcess, client_geometry, close, resize,  # noqa: E402
                          wait_client_size, window_icons, window_names)
from x_session import XSession, unwind_on_signals  # noqa: E402

# 9105 x 6930 twips at 96 dpi (15 twips to the pixel).
DESIGNED_CLIENT_SIZE = (607, 462)
# The queen's circle is 375 twips across.
QUEEN_DIAMETER = 25
DRONE_PEN_WIDTH = 5
# Bodies are 100..299 twips (7..20 px); the pen's caps may add up to its width.
DRONE_STROKE_LENGTH = (5, 30)
# Early on the drones are spread over the window; a few may lie under the frame or cross.
MIN_SEPARATE_DRONES = 6
# The queen flies 50 twips (3.3 px) per 100 ms tick.
MAX_QUEEN_PIXELS_PER_SECOND = 40
# 15 twips to the 96-dpi pixel; the queen's centre is half her 375 x 435 twips box in.
TWIPS_PER_PIXEL = 15
QUEEN_HALF_BOX = (187.5, 217.5)
SEED = "19"
PAINT_LOG_RULE = "drelk.paint.debug=true"
PAINT_LOG_PREFIX = "drelk.paint: "


class Fixture:
    # Device pixels to the 96-dpi pixel: the picture's sizes in device pixels grow with it.
    scale = 1
    animation_path = None

    def __init__(self, session, binary, save_path, animation_path=None, sim=None):
        self.session = session
        # The paint log says which way the window is painted.
        self.program = DrelkProcess(session, binary, ["--seed", SEED],
                                    env={"QT_LOGGING_RULES": PAINT_LOG_RULE})
        self.sim = sim
        self.save_path = save_path
        self.animation_path = animation_path
        self.window = None

    def program_alive(self):
        return self.program.alive()

    def shot(self):
        return screen_image.grab(self.session, self.window)

    def expect_animating(self, pairs=3, gap=0.3, patience=2.0):
        """Each of `pairs` shots, taken `gap` s (several ticks) after the one before, must
        differ from it; a machine too busy to tick on time gets up to `patience` s."""
        before = self.shot()
        for _ in range(pairs):
            deadline = time.monotonic() + patience
            while True:
                time.sleep(gap)
                after = self.shot()
                if screen_image.changed_pixels(before, after) > 0:
                    break
                check(time.monotonic() < deadline, f"the picture did not change in {patience} s")
            check(self.program.alive(), "drelk exited while animating")
            before = after
        return before


def find_window(f):
    f.window = f.program.wait_window()
    geometry = client_geometry(f.session, f.window)
    check(geometry.viewable, f"window not viewable: {geometry}")
    check((geometry.width, geometry.height) == DESIGNED_CLIENT_SIZE,
          f"client area {geometry}, expected {DESIGNED_CLIENT_SIZE[0]}x{DESIGNED_CLIENT_SIZE[1]}")


def title_and_icon(f):
    names = window_names(f.session, f.window)
    check(names == {"_NET_WM_NAME": TITLE, "WM_NAME": TITLE}, f"window names {names}")
    icons = window_icons(f.session, f.window)
    sizes = [(w, h) for w, h, _ in icons]
    icon = next((pixels for w, h, pixels in icons if (w, h) == (32, 32)), None)
    check(icon is not None, f"no 32 x 32 image in _NET_WM_ICON (sizes {sizes})")
    opaque = [p for p in icon if p >> 24 >= 128]
    check(len(opaque) >= 32 * 32 // 8, f"the 32 x 32 icon is almost empty ({len(opaque)} px)")
    check(len({p & 0xFFFFFF for p in opaque}) >= 3, "the 32 x 32 icon is a flat patch of colour")


def flies_the_seeded_flight(f):
    """With --seed S the queen is, in each of a few shots, where a row of drelk-sim --seed S
    has her, in a window of the same outer size; a flight seeded otherwise soon parts."""
    frame = f.session.run(["xprop", "-id", str(f.window), "_NET_FRAME_EXTENTS"]).stdout.decode()
    left, right, top, bottom = (int(v) for v in frame.split("=")[1].split(","))
    geometry = client_geometry(f.session, f.window)
    outer = [(geometry.width + left + right) * TWIPS_PER_PIXEL,
             (geometry.height + top + bottom) * TWIPS_PER_PIXEL]
    rows = subprocess.run([f.sim, "--seed", SEED, "--ticks", "600", "--resize",
                           "1:{}x{}".format(*outer)], capture_output=True, check=True,
                          timeout=20).stdout.decode().splitlines()[1:]
    centres = [((float(r.split(",")[2]) + QUEEN_HALF_BOX[0]) / TWIPS_PER_PIXEL,
                (float(r.split(",")[3]) + QUEEN_HALF_BOX[1]) / TWIPS_PER_PIXEL) for r in rows]
    for _ in range(3):
        disc, seen = queen_position(f)
        ticks = [n for n, (x, y) in enumerate(centres)
                 if abs(x - disc.cx) <= 1 and abs(y - disc.cy) <= 1]
        check(ticks, f"the queen at ({disc.cx:.1f}, {disc.cy:.1f}) is on no row of drelk-sim "
                     f"--seed {SEED} (outer size {outer[0]}x{outer[1]} twips)")
        time.sleep(0.4)


def queen_and_drones(f):
    """The queen's disc and the drone strokes, each seen in at least one of a few shots
    (a drone may pass over the queen, or two drones cross, in any one of them)."""
    queen_reason = drone_reason = "no shot taken"
    queen_seen = drones_seen = False
    diameter, pen = QUEEN_DIAMETER * f.scale, DRONE_PEN_WIDTH * f.scale
    stroke = [length * f.scale for length in DRONE_STROKE_LENGTH]
    # Four seconds, and at least ten shots however slowly a busy machine takes them.
    deadline, shots = time.monotonic() + 4, 0
    while (time.monotonic() < deadline or shots < 10) and not (queen_seen and drones_seen):
        image = f.shot()
        shots += 1
        disc, why = screen_image.queen_disc(image, diameter)
        if disc and screen_image.outline_darkness(image, disc) >= 0.9:
            queen_seen = True
        else:
            queen_reason = why or f"the queen's disc {disc!r} has no dark outline"
        strokes = screen_image.line_strokes(image, pen, *stroke)
        if MIN_SEPARATE_DRONES <= len(strokes) <= 10:
            drones_seen = True
            if f.save_path and queen_seen:
                screen_image.save_png(f.session, f.window, f.save_path)
                f.save_path = None
        else:
            drone_reason = (f"{len(strokes)} drone-like strokes; dark areas: "
                            f"{screen_image.dark_blobs(image)[:12]}")
        time.sleep(0.1)
    check(queen_seen, f"queen not found: {queen_reason}")
    check(drones_seen, f"drones not found: {drone_reason}")
    check(f.save_path is None, "no shot showed queen and drones together to save")


def animates_without_trails(f):
    if f.animation_path:
        frames = screen_image.save_animation(f.session, f.window, f.animation_path, 4.0)
        check(frames >= 10, f"only {frames} pictures in 4 s for the animation")
    expect_no_trails(f, f.expect_animating(pairs=4))


def expect_no_trails(f, image):
    # Each tick repaints only what moved; anything it forgot to clear would pile up here.
    area = f.scale ** 2
    dark = sum(b.area for b in screen_image.dark_blobs(image))
    most = (10 * DRONE_PEN_WIDTH * (DRONE_STROKE_LENGTH[1] + 2) + 4 * QUEEN_DIAMETER * 4) * area
    check(dark <= most, f"{dark} dark pixels after animating: old lines left behind?")
    fill = screen_image.colour_blobs(image, screen_image.QUEEN_FILL)
    check(sum(b.area for b in fill) <= QUEEN_DIAMETER ** 2 * area,
          f"queen-coloured areas left behind: {fill[:5]}")
    # Slivers too thin to be a line (pen 5 pixels at 96 dpi) or the queen, faint or dark:
    # what repaints rounded short of the smoothed edges would leave.
    stray = screen_image.stray_pixels(image, max(1, int(DRONE_PEN_WIDTH * f.scale / 4)))
    check(stray == 0, f"{stray} pixels of trails: slivers off the background")


def queen_position(f):
    for _ in range(10):
        disc, _why = screen_image.queen_disc(f.shot(), QUEEN_DIAMETER)
        if disc:
            return disc, time.monotonic()
        time.sleep(0.05)
    raise AssertionError("queen not found")


def keeps_running_when_resized(f):
    for grow in (True, False):
        disc, seen = queen_position(f)
        # Growing keeps the queen in view; shrinking stops a little past her, so that she
        # and the drones chasing her stay on screen to show the animation going on.
        width = 900 if grow else max(200, round(disc.right) + 60)
        height = 700 if grow else max(150, round(disc.bottom) + 60)
        resize(f.session, f.window, width, height)
        wait_client_size(f.session, f.window, width, height)
        after, now = queen_position(f)
        moved = ((after.cx - disc.cx) ** 2 + (after.cy - disc.cy) ** 2) ** 0.5
        allowed = MAX_QUEEN_PIXELS_PER_SECOND * (now - seen) + 4
        check(moved <= allowed, f"the queen jumped {moved:.0f} px when resized to "
                                f"{width}x{height} (at most {allowed:.0f} px of flight)")
        f.expect_animating()


def paint_log(f):
    return [line for line in f.program.stderr().splitlines() if line.startswith(PAINT_LOG_PREFIX)]


def painted_on_the_x11_canvas(f):
    """At scale 1 on a 24-bit TrueColor visual drelk paints its window itself."""
    log = paint_log(f)
    check(any("painting on the X11 canvas" in line for line in log)
          and not any("steps aside" in line or "backing store" in line for line in log),
          f"not painted on the X11 canvas; the paint log says {log}")


def exits_when_closed(f):
    start = time.monotonic()
    close(f.session)
    status, _ = f.program.wait_exit(timeout=5)
    elapsed = time.monotonic() - start
    check(status == 0, f"exit status {status}")
    check(elapsed <= 1.0, f"took {elapsed:.2f} s to exit after the close")
    said = [line for line in f.program.stderr().splitlines() if line not in paint_log(f)]
    check(not said, f"wrote to stderr: {said!r}")


CASES = [
    ("window found by its title at its designed size", find_window),
    ("title and 32 x 32 icon", title_and_icon),
    ("flies drelk-sim's flight for its --seed", flies_the_seeded_flight),
    ("queen disc and drone lines on screen", queen_and_drones),
    ("painted on the X11 canvas", painted_on_the_x11_canvas),
    ("animates between ticks without trails", animates_without_trails),
    ("keeps running when resized", keeps_running_when_resized),
    ("exits 0 when closed by the window manager", exits_when_closed),
]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("binary", help="the drelk program to test")
    parser.add_argument("--sim", metavar="DRELK_SIM",
                        help="drelk-sim, to fly the same flight (default: beside drelk in the "
                             "build tree)")
    parser.add_argument("--save-screenshot", metavar="PATH",
                        help="save a PNG of the running window (frame included) to PATH")
    parser.add_argument("--save-animation", metavar="PATH",
                        help="save a few seconds of the running window as a GIF to PATH")
    args = parser.parse_args()
    if not os.access(args.binary, os.X_OK):
        parser.error(f"not an executable: {args.binary}")
    sim = args.sim or os.path.join(os.path.dirname(os.path.abspath(args.binary)), "..",
                                   "simulator", "drelk-sim")
    if not os.access(sim, os.X_OK):
        parser.error(f"no drelk-sim at {sim} (give --sim)")
    save_path = os.path.abspath(args.save_screenshot) if args.save_screenshot else None
    animation_path = os.path.abspath(args.save_animation) if args.save_animation else None
    for path in (save_path, animation_path):
        if path and not os.path.isdir(os.path.dirname(path)):
            parser.error(f"no such folder for the picture: {os.path.dirname(path)}")
    unwind_on_signals()
    with XSession() as session:
        return run_cases(CASES, Fixture(session, args.binary, save_path, animation_path, sim))


if __name__ == "__main__":
    main_guard(main)
