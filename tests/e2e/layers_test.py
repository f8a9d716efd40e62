#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
"""End-to-end cases of drelk on the layers of a Wayland desktop (sway, headless): the
background on outputs at scale 1 and 2 beneath a window, pixel for pixel the offscreen hive's
picture, nothing committed while a full-screen window covers it and all of it right after, an
output added while it runs, --saver above a window ending at a key and at a pointer's
movement, and one line and status 2 where there is no layer shell (weston), no such output,
or the compositor goes.

    layers_test.py DRELK_BINARY HIVE_SHOTS VIRTUAL_POINTER
"""

import os
import re
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import screen_image  # noqa: E402
from case_runner import check, main_guard, run_cases, skip  # noqa: E402
from drelk_window import DrelkProcess  # noqa: E402
# The desktop: sway, or with DRELK_E2E_COMPOSITOR=kwin a KWin (scripts/check-kwin).
ON_KWIN = os.environ.get("DRELK_E2E_COMPOSITOR") == "kwin"
if ON_KWIN:
    from kwin_session import FIRST_OUTPUT  # noqa: E402
else:
    from sway_session import FIRST_OUTPUT, SwaySession  # noqa: E402
from weston_session import WestonSession  # noqa: E402
from x_session import unwind_on_signals, wait_until  # noqa: E402

SEED = 7
APP_ID = "io.github.drelk.drelk"
WINDOW = f'[app_id="{APP_ID}"]'
TICK = 0.1
# HEADLESS-1, and those added in turn: width, height and scale.
OUTPUTS = ((800, 600, 1), (1280, 960, 2), (640, 480, 1))
# The window's place on the first output: small and in a corner, so that the hive's middle,
# where the drones gather, stays in sight.
WINDOW_PLACE = (0, 0, 240, 180)
# Lines of WAYLAND_DEBUG=client output: "[1234.567]  -> wl_surface@5.commit()".
_DEBUG_LINE = re.compile(r"^\[ *\d+\.\d+\]")


class Fixture:
    def __init__(self, session, binary, hive_shots, pointer):
        self.session, self.binary = session, binary
        self.hive_shots, self.pointer = hive_shots, pointer
        self.second = session.add_output()
        self.background = self.drelk("--root", "--seed", str(SEED), name="background",
                                     env={"WAYLAND_DEBUG": "client"})
        # Each output's hive flies from when it began: here, from the program's start.
        self.outputs = dict.fromkeys((FIRST_OUTPUT, self.second), self.background.started)

    def program_alive(self):
        return self.background.alive()

    def drelk(self, *args, name="drelk", env=None):
        return DrelkProcess(self.session, self.binary, args, env, name)

    def surface_on(self, output):
        """The wl_surface the background put on the output's layer, once it has."""
        log = self.background.stderr()
        for proxy in re.findall(rf'wl_output[@#](\d+)\.name\("{output}"\)', log):
            made = re.search(rf"get_layer_surface\(new id \w+[@#]\d+, wl_surface[@#](\d+), "
                             rf"wl_output[@#]{proxy},", log)
            if made:
                return made.group(1)
        return None

    def requests(self, surface, name, since=0):
        """How many times the background asked `name` of the surface since that log offset."""
        return len(re.findall(rf"-> wl_surface[@#]{surface}\.{name}\(",
                              self.background.stderr()[since:]))

    def window_rect(self, output):
        """The window's place on the output, in its buffer pixels, if it is there."""
        return self.session.window_rect(APP_ID, output)


def looks_like_hive(f, output, timeout=10.0):
    """The queen's disc and white drone strokes on black, at the output's scale."""
    return screen_image.wait_dark_hive(lambda: f.session.shot(output), f"on {output}",
                                       round(f.session.output(output)["scale"]), timeout)


def same_as_offscreen_hive(f, output):
    """The output's picture equals the offscreen hive's at a tick near the one the time since
    its hive began suggests, but where the window lies above it."""
    described = f.session.output(output)
    path = f.session.path(f"{output}.ppm")
    taken = time.monotonic()
    f.session.save_shot(output, path)
    tick = round(((taken + time.monotonic()) / 2 - f.outputs[output]) / TICK)
    ignored = f.window_rect(output) or ()
    first, last = max(0, tick - 20), tick + 3
    result = f.session.run(
        [f.hive_shots, str(SEED), str(described["rect"]["width"]),
         str(described["rect"]["height"]), str(first), str(last), path,
         *(str(v) for v in ignored)], check=False, timeout=60,
        env=dict(f.session.env, QT_QPA_PLATFORM="offscreen",
                 QT_SCALE_FACTOR=str(described["scale"])))
    check(result.returncode == 0, f"{output}: no tick {first}..{last} of the offscreen hive "
                                  f"equals the picture: {result.stdout.decode().strip()} "
                                  f"{result.stderr.decode().strip()[-300:]}")


def expect_one_line(program, status, text, within=5.0):
    got, _ = program.wait_exit(timeout=within)
    said = [line for line in program.stderr().splitlines() if not _DEBUG_LINE.match(line)]
    check(got == status, f"exit status {got}, expected {status}; stderr {said!r}")
    check(len(said) == 1 and said[0].startswith("drelk: ") and text in said[0],
          f"stderr is not one line saying {text!r}: {said!r}")


def background_on_each_output_beneath_a_window(f):
    for output in f.outputs:
        looks_like_hive(f, output)
    f.drelk(name="window", env={"QT_QPA_PLATFORM": "wayland"})
    wait_until(lambda: f.window_rect(FIRST_OUTPUT) == WINDOW_PLACE, 10,
               f"the window at {WINDOW_PLACE} on {FIRST_OUTPUT}")
    def drawn_above():
        shot = f.session.shot(FIRST_OUTPUT)
        inside = screen_image.crop(shot, *WINDOW_PLACE).data
        return inside.count(b"\0\0\0") * 3 < len(inside) // 10 and (shot, inside)
    shot, inside = wait_until(drawn_above, 5, "the window drawn above the background")
    black = (shot.data.count(b"\0\0\0") - inside.count(b"\0\0\0")) * 3
    check(black > 0.9 * (len(shot.data) - len(inside)), "the background around it is not dark")


def same_picture_as_offscreen_hive(f):
    for output in f.outputs:
        same_as_offscreen_hive(f, output)


def covered_commits_nothing(f):
    """A full-screen window hides the first output's background: nothing is committed on it
    while the other output's goes on, and once it is uncovered it is painted again, all of it."""
    covered, shown = f.surface_on(FIRST_OUTPUT), f.surface_on(f.second)
    f.session.set_fullscreen(APP_ID, True)
    size = tuple(f.session.output(FIRST_OUTPUT)["rect"][side] * f.session.output(
        FIRST_OUTPUT)["scale"] for side in ("width", "height"))
    wait_until(lambda: f.window_rect(FIRST_OUTPUT) == (0, 0, *size), 5, "full screen")
    time.sleep(0.3)  # a picture sway had not yet shown
    since = len(f.background.stderr())
    time.sleep(2.0)
    hidden, seen = f.requests(covered, "commit", since), f.requests(shown, "commit", since)
    check(hidden == 0 and seen >= 10, f"over 2 s, {hidden} commits on the covered surface and "
                                      f"{seen} on the one shown")
    since = len(f.background.stderr())
    f.session.set_fullscreen(APP_ID, False)
    wait_until(lambda: f.requests(covered, "commit", since), 0.5, "a commit once uncovered")
    same_as_offscreen_hive(f, FIRST_OUTPUT)


def added_output_gets_a_hive(f):
    if not f.session.adds_outputs:
        skip("this compositor adds no output while it runs (KWin's virtual back end)")
    added = time.monotonic()
    output = f.session.add_output()
    f.outputs[output] = added
    surface = wait_until(lambda: f.surface_on(output), 1, f"a surface on {output}")
    # Learnt of as a tick reads the display, the output has its picture before that tick's
    # own is committed: no other surface commits in between.
    def since_announced():
        log = f.background.stderr()
        attach = re.search(rf"-> wl_surface[@#]{surface}\.attach\(", log)
        return attach and log[log.rindex('"wl_output"', 0, attach.start()):attach.start()]
    others = re.findall(rf"-> wl_surface[@#](?!{surface}\.)\d+\.commit\(",
                        wait_until(since_announced, 2, "its first picture"))
    check(not others, f"{len(others)} commits of other surfaces came before its first picture")
    looks_like_hive(f, output)
    same_as_offscreen_hive(f, output)
    unplug = f.session.run(["swaymsg", "output", output, "unplug"], check=False)
    if unplug.returncode != 0:
        print(f"      (removal not checkable on this sway: it cannot unplug {output})")
        return
    del f.outputs[output]
    wait_until(lambda: re.search(rf"-> wl_surface[@#]{surface}\.destroy\(",
                                 f.background.stderr()), 1, f"the surface on {output} to go")
    check(f.background.alive(), "the background ended with the output")


def saver_ends_at_a_key_or_a_movement(f):
    """Above the window, on every output, dark; the pointer hidden on it; status 0 and not a
    word at the first key, and at the first movement of a pointer that was already there."""
    for stir in (f.session.key_command(), f.session.pointer_command(f.pointer)):
        saver = f.drelk("--saver", name="saver", env={"WAYLAND_DEBUG": "client"})
        for output in f.outputs:
            looks_like_hive(f, output)
        rect = f.window_rect(FIRST_OUTPUT)
        window = rect and screen_image.crop(f.session.shot(FIRST_OUTPUT), *rect).data
        check(window and window.count(b"\0\0\0") * 3 > 0.9 * len(window),
              f"the window at {rect} is not covered")
        f.session.run(stir)
        try:
            status, _ = saver.wait_exit(timeout=2)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"still running 2 s after {stir[0]}") from None
        said = [line for line in saver.stderr().splitlines() if not _DEBUG_LINE.match(line)]
        check(status == 0 and not said, f"{stir[0]}: exit status {status}, stderr {said!r}")
    check(re.search(r"\.enter\(.*\n.*-> wl_pointer[@#]\d+\.set_cursor\(\d+, nil,",
                    saver.stderr()), "the pointer is not hidden on the saver")


def failures_end_in_one_line(f):
    expect_one_line(f.drelk("--root", "--output", "NOWHERE"), 2, "no output named 'NOWHERE'")
    with WestonSession() as weston:
        program = DrelkProcess(weston, f.binary, ["--root"])
        expect_one_line(program, 2, "offers no layer shell (zwlr_layer_shell_v1)")
    f.session.compositor.kill()
    expect_one_line(f.background, 2, "the Wayland compositor has gone")


CASES = [
    ("the background on outputs at scale 1 and 2, beneath a window",
     background_on_each_output_beneath_a_window),
    ("each output's picture is the offscreen hive's", same_picture_as_offscreen_hive),
    ("covered by a full-screen window, nothing committed; uncovered, all of it again",
     covered_commits_nothing),
    ("an output added while running gets its own hive within a tick or so",
     added_output_gets_a_hive),
    ("--saver covers every output above a window and ends at a key or a pointer's movement",
     saver_ends_at_a_key_or_a_movement),
    ("no such output, no layer shell (weston), the compositor gone: one line and status 2",
     failures_end_in_one_line),
]


def main():
    if len(sys.argv) != 4 or not all(os.access(path, os.X_OK) for path in sys.argv[1:]):
        print(__doc__.strip().splitlines()[-1].strip(), file=sys.stderr)
        return 2
    unwind_on_signals()
    binary, hive_shots, pointer = (os.path.abspath(path) for path in sys.argv[1:])
    if ON_KWIN:
        from kwin_session import KWinSession, scale_from_environment
        scale = scale_from_environment()  # the window's rule is in logical pixels
        session = KWinSession(count=2, size=(800 * scale, 600 * scale), scale=scale,
                              place=(APP_ID, tuple(v // scale for v in WINDOW_PLACE)))
    else:
        config = (f"for_window {WINDOW} floating enable, border none, resize set "
                  f"{WINDOW_PLACE[2]} {WINDOW_PLACE[3]}, move position 0 0\n")
        session = SwaySession(OUTPUTS, config=config)
    with session:
        return run_cases(CASES, Fixture(session, binary, hive_shots, pointer))


if __name__ == "__main__":
    main_guard(main)
