#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
"""End-to-end cases of drelk on the layers of a Wayland desktop (sway, headless): the
background on outputs at scale 1 and 2 beneath a window, pixel for pixel the offscreen hive's
picture, begun again as --rescatter says, nothing committed while a full-screen window covers
it and all of it right after, an output added, changed in scale and in size while it runs, no
buffer painted while the compositor holds it, --saver above a full-screen window ending at a
key, a click and a pointer's movement, the README's swayidle line locking on time while
the saver shows, and one line and status 2 where there is no layer
shell (weston), no such output, or the compositor goes. With --removal, only an output
unplugged while it runs (a skip where sway cannot unplug one).

    layers_test.py DRELK_BINARY HIVE_SHOTS VIRTUAL_POINTER [--removal]
"""

import os
import re
import shlex
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
# The background begins its flight again every RESCATTER s: each picture compared comes after
# it has, and a hive resized flies, from then on, as one made at its new size.
RESCATTER = 2
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
        self.background = self.drelk("--root", "--seed", str(SEED), "--rescatter",
                                     str(RESCATTER), name="background",
                                     env={"WAYLAND_DEBUG": "client"})
        # Each output's hive flies from when it began: here, from the program's start.
        self.outputs = dict.fromkeys((FIRST_OUTPUT, self.second), self.background.started)

    def program_alive(self):
        return self.background.alive()

    def drelk(self, *args, name="drelk", env=None):
        return DrelkProcess(self.session, self.binary, args, env, name)

    def surface_on(self, output, program=None):
        """The wl_surface the background (or `program`) put on the output's layer, once it has."""
        log = (program or self.background).stderr()
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

    def pixels(self, output):
        """The output's size in its buffer pixels."""
        described = self.session.output(output)
        return tuple(described["rect"][side] * described["scale"] for side in ("width", "height"))


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
         *(str(v) for v in ignored), "--rescatter", str(RESCATTER)], check=False, timeout=60,
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
    wait_until(lambda: f.window_rect(FIRST_OUTPUT) == (0, 0, *f.pixels(FIRST_OUTPUT)), 5,
               "full screen")
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


def output_changed_in_scale_and_size(f):
    """The second output at scale 1 and the same size, then larger: its hive follows both, and
    once begun again it flies as a hive made at the new size."""
    if ON_KWIN:
        skip("KWin's virtual outputs keep the scale and size they were made with")
    f.session.sway("output", f.second, "resolution", "640x480", "scale", "1")
    wait_until(lambda: f.session.output(f.second)["scale"] == 1, 5, f"{f.second} at scale 1")
    time.sleep(0.3)  # a picture at the new scale
    same_as_offscreen_hive(f, f.second)
    f.session.sway("output", f.second, "resolution", "1024x768")
    wait_until(lambda: f.session.output(f.second)["rect"]["width"] == 1024, 5,
               f"{f.second} at 1024x768")
    time.sleep(2 * RESCATTER + 0.2)  # every tick compared comes after the flight began again
    same_as_offscreen_hive(f, f.second)


def buffers_painted_once_released(f):
    """No buffer is attached again before the compositor has released it: painting one that
    it may still be reading tears the picture."""
    held, attached, early = set(), 0, []
    for line in f.background.stderr().splitlines():
        attach = re.search(r"-> wl_surface[@#]\d+\.attach\(wl_buffer[@#](\d+)", line)
        if attach:
            attached += 1
            if attach.group(1) in held:
                early.append(line)
            held.add(attach.group(1))
        elif re.search(r"wl_buffer[@#]\d+\.(release|destroy)\(", line):
            held.discard(re.search(r"wl_buffer[@#](\d+)\.", line).group(1))
    check(attached >= 50 and not early, f"{len(early)} of {attached} attaches came before the "
                                        f"buffer's release: {early[:3]}")


def removed_output_takes_its_surface(f):
    if not f.session.adds_outputs:
        skip("this compositor adds no output while it runs, to take away")
    output = f.session.add_output()
    surface = wait_until(lambda: f.surface_on(output), 2, f"a surface on {output}")
    unplug = f.session.run(["swaymsg", "output", output, "unplug"], check=False)
    if b"Invalid output subcommand: unplug" in unplug.stdout:
        skip(f"this sway cannot unplug {output}")
    check(unplug.returncode == 0, f"swaymsg output {output} unplug: {unplug.stdout!r}")
    wait_until(lambda: re.search(rf"-> wl_surface[@#]{surface}\.destroy\(",
                                 f.background.stderr()), 1, f"the surface on {output} to go")
    check(f.background.alive(), "the background ended with the output")


def saver_ends_when_stirred(f):
    """Above a full-screen window, on every output or the one named, dark; the pointer hidden
    on it; status 0 and not a word at the first key, click, or movement of a pointer that was
    already there, along both axes or one."""
    f.session.set_fullscreen(APP_ID, True)
    wait_until(lambda: f.window_rect(FIRST_OUTPUT) == (0, 0, *f.pixels(FIRST_OUTPUT)), 5,
               "full screen")
    key = f.session.key_command()
    stirs = [(key, f.second), (key, None), (f.session.pointer_command(f.pointer), None)]
    if not ON_KWIN:  # the virtual pointer also moves along one axis and clicks
        stirs += [([f.pointer, "0.5", "10", "0"], None), ([f.pointer, "0.5", "click"], None)]
    for stir, only in stirs:
        saver = f.drelk("--saver", *(["--output", only] if only else []), name="saver",
                        env={"WAYLAND_DEBUG": "client"})
        for output in [only] if only else f.outputs:
            looks_like_hive(f, output)
        if only:
            made = len(re.findall(r"get_layer_surface\(", saver.stderr()))
            check(made == 1 and f.surface_on(only, saver), f"--output {only}: {made} surfaces")
        else:
            rect = f.window_rect(FIRST_OUTPUT)
            window = rect and screen_image.crop(f.session.shot(FIRST_OUTPUT), *rect).data
            check(window and window.count(b"\0\0\0") * 3 > 0.9 * len(window),
                  f"the window at {rect} is not covered")
        f.session.run(stir)
        try:
            status, _ = saver.wait_exit(timeout=2)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"still running 2 s after {stir}") from None
        said = [line for line in saver.stderr().splitlines() if not _DEBUG_LINE.match(line)]
        check(status == 0 and not said, f"{stir}: exit status {status}, stderr {said!r}")
        if stir[0] == f.pointer:
            check(re.search(r"\.enter\(.*\n.*-> wl_pointer[@#]\d+\.set_cursor\(\d+, nil,",
                            saver.stderr()), "the pointer is not hidden on the saver")


def failures_end_in_one_line(f):
    expect_one_line(f.drelk("--root", "--output", "NOWHERE"), 2, "no output named 'NOWHERE'")
    with WestonSession() as weston:
        for option, purpose in (("--root", "put the hive on its desktop"),
                                ("--saver", "cover its screen")):
            program = DrelkProcess(weston, f.binary, [option])
            expect_one_line(program, 2, f"offers no layer shell (zwlr_layer_shell_v1) to {purpose}")
    f.session.compositor.kill()
    expect_one_line(f.background, 2, "the Wayland compositor has gone")


def readme_idle_line_locks_on_time_while_the_saver_shows(f):
    """The README's swayidle line, run as it is but with its timeouts cut a hundredfold and a
    stand-in locker: the lock comes on time while the saver shows, and after a key ends the
    saver no new one follows at once (swayidle -w did both wrong). The manual has the line."""
    if ON_KWIN:
        skip("the line is the recipe for sway")
    here = os.path.dirname(os.path.abspath(__file__))
    texts = {}
    for name in ("README.md", "docs/manual.md"):
        with open(os.path.join(here, "..", "..", name)) as file:
            texts[name] = [line.strip() for line in file if "'drelk --saver'" in line]
    check(len(texts["README.md"]) == 1 and texts["README.md"] == texts["docs/manual.md"],
          f"not one swayidle line for the saver, the same in README and manual: {texts}")
    words = shlex.split(texts["README.md"][0])
    check(words[0] == "swayidle", f"the README's line runs {words[0]}, not swayidle")
    timeouts = [at + 1 for at, word in enumerate(words[:-1]) if word == "timeout"]
    for at in timeouts:
        words[at] = str(int(words[at]) // 100)
    saver_after, lock_after = (int(words[at]) for at in timeouts)
    # drelk and swaylock as the line names them, first on PATH: each notes when it began and
    # ended, the first starting the real drelk.
    stand_ins, record = f.session.path("idle-bin"), f.session.path("idle.log")
    os.mkdir(stand_ins, 0o755)
    open(record, "w").close()
    os.chmod(record, 0o666)
    # The saver's process id is noted too, so that it is ended whatever the case comes to.
    for name, body in (("drelk", f'{f.binary} "$@" &\necho "pid $!" >>{record}\nwait $!\n'),
                       ("swaylock", "")):
        with open(os.path.join(stand_ins, name), "w") as file:
            file.write(f'#!/bin/sh\necho "{name} $(date +%s.%N)" >>{record}\n{body}'
                       f'echo "{name}-end $(date +%s.%N)" >>{record}\n')
        os.chmod(os.path.join(stand_ins, name), 0o755)
    def ran():
        """When each began and ended, the last time it did."""
        with open(record) as file:
            return {name: float(at) for name, at in map(str.split, file)}
    started = time.time()
    idle = f.session.spawn(words, log="swayidle.log", env=dict(
        f.session.env, PATH=f"{stand_ins}:{os.environ['PATH']}"))
    try:
        saver = wait_until(lambda: ran().get("drelk"), saver_after + 5, "the saver to start")
        looks_like_hive(f, FIRST_OUTPUT)
        try:
            locked = wait_until(lambda: ran().get("swaylock"), lock_after + 5, "the locker")
        except TimeoutError:
            raise AssertionError(f"no lock {lock_after + 5} s after swayidle started, the "
                                 f"saver showing: {f.session.log('swayidle.log')}") from None
        check("drelk-end" not in ran(), f"the saver ended before the lock: {ran()}")
        check(locked - started < lock_after + 2.5, f"the lock came {locked - started:.1f} s "
                                                   f"after swayidle started, not {lock_after}")
        f.session.run(f.session.key_command())
        ended = wait_until(lambda: ran().get("drelk-end"), 2, "the saver to end at a key")
        time.sleep(saver_after / 2)
        check(ran()["drelk"] == saver, f"a new saver {ran()['drelk'] - ended:.1f} s after the "
                                       f"key that ended the first")
    finally:
        idle.terminate()
        if "pid" in ran():
            subprocess.run(["kill", str(int(ran()["pid"]))], check=False, capture_output=True)

CASES = [
    ("the background on outputs at scale 1 and 2, beneath a window",
     background_on_each_output_beneath_a_window),
    ("each output's picture is the offscreen hive's, begun again as --rescatter says",
     same_picture_as_offscreen_hive),
    ("covered by a full-screen window, nothing committed; uncovered, all of it again",
     covered_commits_nothing),
    ("an output added while running gets its own hive within a tick or so",
     added_output_gets_a_hive),
    ("an output's new scale and size: its hive follows", output_changed_in_scale_and_size),
    ("no buffer attached again before the compositor released it",
     buffers_painted_once_released),
    ("--saver covers every output (or the one named) above a full-screen window and ends at a "
     "key, a click or a pointer's movement", saver_ends_when_stirred),
    ("the README's swayidle line locks on time while the saver shows",
     readme_idle_line_locks_on_time_while_the_saver_shows),
    ("no such output, no layer shell (weston), the compositor gone: one line and status 2",
     failures_end_in_one_line),
]
REMOVAL_CASES = [
    ("an output unplugged while running takes its surface with it; the background goes on",
     removed_output_takes_its_surface),
]


def main():
    removal = sys.argv[4:] == ["--removal"]
    if len(sys.argv) != 4 + removal or not all(os.access(path, os.X_OK)
                                                for path in sys.argv[1:4]):
        print(__doc__.strip().splitlines()[-1].strip(), file=sys.stderr)
        return 2
    unwind_on_signals()
    binary, hive_shots, pointer = (os.path.abspath(path) for path in sys.argv[1:4])
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
        return run_cases(REMOVAL_CASES if removal else CASES,
                         Fixture(session, binary, hive_shots, pointer))


if __name__ == "__main__":
    main_guard(main)
