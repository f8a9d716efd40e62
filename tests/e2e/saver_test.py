#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
"""End-to-end cases of drelk's screensaver and full-screen ways to run, in Xvfb under openbox:
--window-id and --root with XSCREENSAVER_WINDOW inside another program's window (filling it,
following its size, ending when it goes), --root alone covering the screen, Debian's real
xscreensaver daemon starting and stopping `drelk --root`, the flight begun again (--rescatter),
SIGTERM, windows that do not exist or that another program destroys, and the keys F11, Escape,
Space and Ctrl+Q. Each case ends whatever it started, passed or failed.

    saver_test.py DRELK_BINARY [--save-animation PATH.gif]
"""

import argparse
import ctypes
import math
import os
import re
import shutil
import signal
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import screen_image  # noqa: E402
from case_runner import check, main_guard, run_cases  # noqa: E402
from drelk_window import DrelkProcess, client_geometry, resize  # noqa: E402
from x_session import UNPRIVILEGED, XSession, unwind_on_signals, wait_until  # noqa: E402

SCREEN = (1280, 1024)
DESIGNED_CLIENT_SIZE = (607, 462)
DRONE_PEN_WIDTH = screen_image.DRONE_PEN_WIDTH
DRONE_STROKE_LENGTH = screen_image.DRONE_STROKE_LENGTH
_PR_SET_CHILD_SUBREAPER = 36


class Fixture:
    def __init__(self, session, binary, animation_path=None):
        self.session, self.binary = session, binary
        self.animation_path = animation_path
        # What the running case started: processes, pids of others' (the daemon's drelk) and,
        # negative, the sessions they lead (the daemon's, with its helpers).
        self.started = []
        self.program = None

    def program_alive(self):
        return True  # each case starts a program of its own

    def drelk(self, *args, env=None):
        self.program = DrelkProcess(self.session, self.binary, args, env)
        self.started.append(self.program.process)
        return self.program

    def end_case(self):
        """Ends what the case started, so that nothing of a failed one, not a "The Drelk"
        window either, is left for the next."""
        for thing in reversed(self.started):
            if isinstance(thing, int):
                for pid in [thing] if thing > 0 else session_members(-thing):
                    try:
                        os.kill(pid, signal.SIGKILL)
                    except ProcessLookupError:
                        pass
            elif thing.poll() is None:
                thing.kill()
                thing.wait(timeout=5)
        self.started.clear()


def session_members(session):
    members = []
    for name in filter(str.isdigit, os.listdir("/proc")):
        try:
            if os.getsid(int(name)) == session:
                members.append(int(name))
        except OSError:
            pass  # gone meanwhile
    return members


def ending_what_it_started(case):
    def run(f):
        try:
            case(f)
        finally:
            f.end_case()
    return run


class HostWindow:
    """Another program's window to draw into: an xmessage, managed by openbox."""

    def __init__(self, session, width, height, place="+40+40"):
        self.session = session
        self.process = session.spawn(["xmessage", "-geometry", f"{width}x{height}{place}",
                                      "host"], log="xmessage.log")
        def shown():
            found = session.run(["xdotool", "search", "--onlyvisible", "--classname",
                                 "xmessage"], check=False).stdout.split()
            return int(found[0]) if len(found) == 1 else None
        self.id = wait_until(shown, 10, "the xmessage window")

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=5)


def hive_child(session, parent):
    """The geometry (width, height, x, y) of drelk's window inside `parent`, if it has one."""
    out = session.run(["xwininfo", "-children", "-id", str(parent)]).stdout.decode()
    match = re.search(r'^\s+0x[0-9a-f]+ "The Drelk".*?\s(\d+)x(\d+)\+(-?\d+)\+(-?\d+)', out, re.M)
    return tuple(int(v) for v in match.groups()) if match else None


def wait_filled(session, parent, width, height):
    wanted = (width, height, 0, 0)
    wait_until(lambda: hive_child(session, parent) == wanted, 10,
               f"drelk's window to fill window {parent:#x} at {width}x{height}")


def shot(session, window="root", width=None):
    """A shot of the window, or of its left `width` pixels."""
    image = screen_image.grab(session, window)
    return screen_image.crop(image, 0, 0, width, image.height) if width else image


def sees_hive(session, window="root", timeout=10.0, width=None):
    """The dark hive in a shot of the window (its left `width` pixels, if given)."""
    return screen_image.wait_dark_hive(lambda: shot(session, window, width),
                                       f"in window {window}", timeout=timeout)


def spread_over_screen(take_shot, light):
    """Drones scattered over the whole screen: some start beyond the designed window's size at
    the top left, where a scatter over that size would keep them all."""
    def beyond():
        strokes = screen_image.line_strokes(take_shot(), DRONE_PEN_WIDTH, *DRONE_STROKE_LENGTH,
                                            light=light)
        return any(s.cx > DESIGNED_CLIENT_SIZE[0] + 30 or s.cy > DESIGNED_CLIENT_SIZE[1] + 30
                   for s in strokes)
    wait_until(beyond, 3, "a drone beyond the designed window's size")


class _CursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                ("height", ctypes.c_ushort), ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong))]


def cursor_shows(session):
    """Whether the cursor the X server shows now has a pixel that is not transparent."""
    x11, fixes = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXfixes.so.3")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XCloseDisplay.argtypes = x11.XFree.argtypes = [ctypes.c_void_p]
    fixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    fixes.XFixesGetCursorImage.restype = ctypes.POINTER(_CursorImage)
    display = x11.XOpenDisplay(session.display.encode())
    if not display:
        raise RuntimeError(f"cannot open {session.display}")
    try:
        image = fixes.XFixesGetCursorImage(display)
        size = image.contents.width * image.contents.height
        shows = any(image.contents.pixels[i] >> 24 for i in range(size))
        x11.XFree(image)
        return shows
    finally:
        x11.XCloseDisplay(display)


def pointer_grab_refused(session):
    """Whether another client is refused the pointer (AlreadyGrabbed) while drelk holds it."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XCloseDisplay.argtypes = x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XGrabPointer.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_uint,
                                 ctypes.c_int, ctypes.c_int, ctypes.c_ulong, ctypes.c_ulong,
                                 ctypes.c_ulong]
    display = x11.XOpenDisplay(session.display.encode())
    if not display:
        raise RuntimeError(f"cannot open {session.display}")
    try:
        # Asynchronous modes, no confinement or cursor, now; closing the display lets go.
        return x11.XGrabPointer(display, x11.XDefaultRootWindow(display), 0, 0, 1, 1, 0, 0,
                                0) == 1
    finally:
        x11.XCloseDisplay(display)


def changes(session, window, gap=0.5):
    before = screen_image.grab(session, window)
    time.sleep(gap)
    return screen_image.changed_pixels(before, screen_image.grab(session, window)) > 0


def drone_spread(session, window):
    """The diagonal, in pixels, of the box around every light pixel in the window: the white
    drones and the queen's outline."""
    image = screen_image.grab(session, window)
    light = [i for i, v in enumerate(image.luminance()) if v > 200]
    if not light:
        return 0.0
    xs, ys = [i % image.width for i in light], [i // image.width for i in light]
    return math.hypot(max(xs) - min(xs), max(ys) - min(ys))


def expect_one_line(program, status, text, within=5.0):
    got, _ = program.wait_exit(timeout=within)
    err = program.stderr()
    check(got == status, f"exit status {got}, expected {status}; stderr {err!r}")
    check(err.startswith("drelk: ") and err.count("\n") == 1 and text in err,
          f"stderr is not one line saying {text!r}: {err!r}")


def expect_quiet_term(program):
    """SIGTERM ends drelk at once, and it dies of it, as a daemon expects of its programs."""
    start = time.monotonic()
    program.process.send_signal(signal.SIGTERM)
    status, _ = program.wait_exit(timeout=5)
    elapsed = time.monotonic() - start
    check(status == -signal.SIGTERM, f"exit status {status} after SIGTERM")
    check(elapsed <= 1.0, f"took {elapsed:.2f} s to end after SIGTERM")
    check(program.stderr() == "", f"wrote to stderr: {program.stderr()!r}")


def draws_into_another_programs_window(f):
    """As a daemon starts it (--root, XSCREENSAVER_WINDOW in hex), then as a settings preview
    does (--window-id, here in decimal), into the same window of another program."""
    host = HostWindow(f.session, 480, 360)
    try:
        program = f.drelk("--root", env={"XSCREENSAVER_WINDOW": hex(host.id)})
        wait_filled(f.session, host.id, 480, 360)
        sees_hive(f.session, host.id)
        expect_quiet_term(program)
        # At scale 2 the host's size in device pixels is the hive's size in device pixels,
        # the drones start in sight, and the hive follows the host's size.
        program = f.drelk("--window-id", str(host.id), "--seed", "3",
                          env={"QT_SCALE_FACTOR": "2"})
        wait_filled(f.session, host.id, 480, 360)
        wait_until(lambda: len(screen_image.line_strokes(
            screen_image.grab(f.session, host.id), 2 * DRONE_PEN_WIDTH,
            *(2 * n for n in DRONE_STROKE_LENGTH), light=True)) >= 6, 3,
            "six drones or more in sight at scale 2")
        resize(f.session, host.id, 540, 400)
        wait_filled(f.session, host.id, 540, 400)
        expect_quiet_term(program)
        program = f.drelk("--window-id", str(host.id))
        wait_filled(f.session, host.id, 540, 400)
        resize(f.session, host.id, 480, 360)
        wait_filled(f.session, host.id, 480, 360)
        sees_hive(f.session, host.id)
        check(changes(f.session, host.id), "the picture did not change")
        host.close()
        expect_one_line(program, 2, "has gone")
    finally:
        host.close()


def rescatter_spreads_the_drones_again(f):
    """Left alone the drones gather around the queen and stay there; begun again, they are
    spread over the window once more. With seed 1 in 480 x 360 pixels they are all within 60
    pixels of one another from 9 s on (drelk-sim), and begun again at 15 s."""
    host = HostWindow(f.session, 480, 360)
    try:
        f.drelk("--window-id", str(host.id), "--seed", "1", "--rescatter", "15")
        wait_filled(f.session, host.id, 480, 360)
        wait_until(lambda: drone_spread(f.session, host.id) < 120, 15, "the drones to gather")
        wait_until(lambda: drone_spread(f.session, host.id) > 300, 10,
                   "the drones to be spread again")
        expect_quiet_term(f.program)
    finally:
        host.close()


def root_alone_covers_screen(f):
    """Covering the screen as the root window does: beneath every other window. The hive is
    looked for left of that window, in the cover's own pixels."""
    host = HostWindow(f.session, 200, 100, place="-40-40")
    try:
        where = client_geometry(f.session, host.id)
        def host_pixels():
            shot = screen_image.grab(f.session)
            return screen_image.crop(shot, where.x, where.y, where.width, where.height).data
        before = host_pixels()
        program = f.drelk("--root")
        window = program.wait_window()
        geometry = client_geometry(f.session, window)
        check((geometry.x, geometry.y, geometry.width, geometry.height) == (0, 0, *SCREEN),
              f"the covering window is {geometry}")
        info = f.session.run(["xwininfo", "-id", str(window)]).stdout.decode()
        check("Override Redirect State: yes" in info, "the window manager frames the cover")
        sees_hive(f.session, width=where.x - 20)
        spread_over_screen(lambda: shot(f.session, width=where.x - 20), light=True)
        check(host_pixels() == before, "the cover hides another program's window")
        if f.animation_path:
            # What a user sees over a minute and a little more, on a screen of its own: the
            # drones gather, and a few seconds later they are scattered again. Half size,
            # twice as fast.
            host.close()
            frames = screen_image.save_animation(f.session, "root", f.animation_path, 70,
                                                 interval=0.5, speed=2, scale=50)
            check(frames >= 100, f"only {frames} pictures in 70 s for the animation")
            sees_hive(f.session)
        expect_quiet_term(program)
    finally:
        host.close()


def saver_covers_all_and_ends_when_stirred(f):
    """--saver: above every window, dark, the pointer hidden; a key ends it with status 0, and
    so do a click and moving the pointer, but not the pointer "moved" to where it is."""
    host = HostWindow(f.session, 200, 100)
    try:
        where = client_geometry(f.session, host.id)
        for stir in (["key", "x"], ["mousemove_relative", "--", "7", "5"], ["click", "1"]):
            program = f.drelk("--saver")
            window = program.wait_window()
            geometry = client_geometry(f.session, window)
            check((geometry.x, geometry.y, geometry.width, geometry.height) == (0, 0, *SCREEN),
                  f"the saver covers {geometry}")
            shot = sees_hive(f.session)
            hidden = screen_image.crop(shot, where.x, where.y, where.width, where.height).data
            check(hidden.count(b"\0\0\0") * 3 >= 0.9 * len(hidden),
                  "the xmessage shows through the saver")
            check(not cursor_shows(f.session), "the pointer shows on the saver")
            check(pointer_grab_refused(f.session), "another client could take the pointer")
            at = f.session.run(["xdotool", "getmouselocation"]).stdout.decode()
            f.session.run(["xdotool", "mousemove", *re.findall(r"\d+", at)[:2]])
            time.sleep(0.3)  # a few ticks: it must not end by itself
            check(program.alive(), f"the saver ended unstirred, or at the pointer put where "
                                   f"it was: {program.stderr()!r}")
            f.session.run(["xdotool", *stir])
            status, _ = program.wait_exit(timeout=5)
            check(status == 0, f"{stir[0]}: exit status {status}, {program.stderr()!r}")
            check(program.stderr() == "", f"wrote to stderr: {program.stderr()!r}")
    finally:
        host.close()


def missing_windows_end_in_one_line(f):
    for args, env in ((["--window-id", "0x3ffffe"], None),
                      (["--root"], {"XSCREENSAVER_WINDOW": "4194302"})):
        expect_one_line(f.drelk(*args, env=env), 2, "there is no X window")


def destroyed_window_ends_in_one_line(f):
    """Another program destroying drelk's own window, as `xdotool windowclose` does."""
    for args in ((), ("--root",), ("--saver",)):
        program = f.drelk(*args)
        f.session.run(["xdotool", "windowclose", str(program.wait_window())])
        expect_one_line(program, 2, "was destroyed by another program")


def xscreensaver_daemon_runs_and_stops_drelk(f):
    home = tempfile.mkdtemp(prefix="drelk-xscreensaver-")
    try:
        with open(os.path.join(home, ".xscreensaver"), "w") as settings:
            settings.write("mode: one\nselected: 0\ntimeout: 0:30:00\nlock: False\n"
                           "splash: False\nfade: False\nunfade: False\n"
                           f"programs: {f.binary} --root \\n\n")
        runtime = os.path.join(home, "runtime")
        os.mkdir(runtime, 0o700)
        command = ["xscreensaver", "-no-splash", "-verbose"]
        if os.getuid() == 0:  # xscreensaver will not run its programs as root
            for path in (home, runtime, settings.name):
                os.chown(path, UNPRIVILEGED, UNPRIVILEGED)
            command = ["setpriv", f"--reuid={UNPRIVILEGED}", f"--regid={UNPRIVILEGED}",
                       "--clear-groups", *command]
        env = dict(f.session.env, HOME=home, XDG_RUNTIME_DIR=runtime)
        daemon = f.session.spawn(command, log="xscreensaver.log", env=env,
                                 start_new_session=True)
        f.started.append(-daemon.pid)  # the daemon's helpers go with it
        wait_until(lambda: f.session.run(["xscreensaver-command", "-time"], check=False,
                                          ).returncode == 0, 10, "xscreensaver to answer")
        f.session.run(["xscreensaver-command", "-activate"])
        started = wait_until(lambda: re.search(r'forked "[^"]*drelk --root" in pid (\d+) on '
                                               r"window (0x[0-9a-f]+)",
                                               f.session.log("xscreensaver.log")),
                             10, "xscreensaver to start drelk")
        pid, saver_window = int(started.group(1)), int(started.group(2), 16)
        f.started.append(pid)
        wait_filled(f.session, saver_window, *SCREEN)
        sees_hive(f.session)
        f.session.run(["xscreensaver-command", "-deactivate"])
        # Drelk is the child of the daemon's helper, which stops it and then ends itself.
        # Whoever reaps drelk tells its status: the helper logs it, or, when the helper has
        # ended first, drelk is handed to this script (the sub-reaper) and waited for here.
        def ended():
            said = re.search(rf"child pid {pid} \(.*?\) (.*)", f.session.log("xscreensaver.log"))
            if said:
                return said.group(1)
            try:
                done, status = os.waitpid(pid, os.WNOHANG)
            except ChildProcessError:
                return None  # the helper has it
            if not done:
                return None
            return (f"exited with status {os.WEXITSTATUS(status)}" if os.WIFEXITED(status)
                    else f"killed by {signal.Signals(os.WTERMSIG(status)).name}")
        how = wait_until(ended, 5, "drelk to end after deactivation")
        check(re.search(r"(normally with|killed by) SIGTERM$", how) is not None, f"drelk {how}")
        log = f.session.log("xscreensaver.log")
        check("drelk:" not in log, f"drelk complained: {log}")
        check(daemon.poll() is None, "the daemon ended too")
    finally:
        shutil.rmtree(home, ignore_errors=True)


def fullscreen_and_keys(f):
    program = f.drelk("--fullscreen")
    window = program.wait_window()
    def client_size(size):
        return wait_until(lambda: (lambda g: (g.width, g.height) == size)(
            client_geometry(f.session, window)), 5, f"the client area to be {size}")
    def key(name):
        f.session.run(["xdotool", "windowactivate", "--sync", str(window), "key", name],
                      timeout=20)
    client_size(SCREEN)
    spread_over_screen(lambda: shot(f.session, window), light=False)
    key("F11")
    client_size(DESIGNED_CLIENT_SIZE)
    key("F11")
    client_size(SCREEN)
    key("Escape")
    client_size(DESIGNED_CLIENT_SIZE)
    key("space")
    time.sleep(0.2)  # a tick already under way may still land
    check(not changes(f.session, window, gap=0.6), "the picture changed while paused")
    key("space")
    check(changes(f.session, window), "the picture did not change after resuming")
    start = time.monotonic()
    key("ctrl+q")
    status, _ = program.wait_exit(timeout=5)
    check(status == 0 and time.monotonic() - start <= 1.0, f"Ctrl+Q: exit status {status}")
    check(program.stderr() == "", f"wrote to stderr: {program.stderr()!r}")


def sigterm_ends_window_quietly(f):
    program = f.drelk()
    program.wait_window()
    expect_quiet_term(program)


CASES = [
    ("--root (XSCREENSAVER_WINDOW) and --window-id fill another program's window, follow "
     "its size, end quietly on SIGTERM and in one line when it goes",
     draws_into_another_programs_window),
    ("--root alone covers the screen, beneath other windows", root_alone_covers_screen),
    ("--saver covers the screen above all windows, hides the pointer and ends at a key, a "
     "click or the pointer's move",
     saver_covers_all_and_ends_when_stirred),
    ("a window that does not exist ends in one line", missing_windows_end_in_one_line),
    ("--rescatter spreads the gathered drones again", rescatter_spreads_the_drones_again),
    ("its own window destroyed by another program ends it in one line",
     destroyed_window_ends_in_one_line),
    ("xscreensaver runs drelk --root and stops it with SIGTERM",
     xscreensaver_daemon_runs_and_stops_drelk),
    ("--fullscreen, F11, Escape, Space and Ctrl+Q", fullscreen_and_keys),
    ("SIGTERM ends the window at once", sigterm_ends_window_quietly),
]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("binary", help="the drelk program to test")
    parser.add_argument("--save-animation", metavar="PATH",
                        help="save a minute of `drelk --root` as a GIF to PATH")
    args = parser.parse_args()
    if not os.access(args.binary, os.X_OK):
        parser.error(f"not an executable: {args.binary}")
    animation_path = os.path.abspath(args.save_animation) if args.save_animation else None
    if animation_path and not os.path.isdir(os.path.dirname(animation_path)):
        parser.error(f"no such folder for the picture: {os.path.dirname(animation_path)}")
    missing = [tool for tool in ("xmessage", "xscreensaver", "xscreensaver-command", "setpriv")
               if shutil.which(tool) is None]
    if missing:
        raise RuntimeError(f"missing tools: {' '.join(missing)} (run scripts/install-deps)")
    # Programs started by the screensaver daemon are handed to this script when their
    # parent ends first, so that their exit status can be read.
    ctypes.CDLL(None, use_errno=True).prctl(_PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
    unwind_on_signals()
    with XSession(*SCREEN) as session:
        return run_cases([(name, ending_what_it_started(case)) for name, case in CASES],
                         Fixture(session, os.path.abspath(args.binary), animation_path))


if __name__ == "__main__":
    main_guard(main)
