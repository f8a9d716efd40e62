#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
"""End-to-end cases of drelk's screensaver and full-screen ways to run, in Xvfb under openbox:
--window-id and --root with XSCREENSAVER_WINDOW inside another program's window (filling it,
following its size, ending when it goes), --root alone covering the screen, Debian's real
xscreensaver daemon starting and stopping `drelk --root`, SIGTERM, windows that do not exist,
and the keys F11, Escape, Space and Ctrl+Q.

    saver_test.py DRELK_BINARY
"""

import ctypes
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
from x_session import XSession, unwind_on_signals, wait_until  # noqa: E402

SCREEN = (1280, 1024)
DESIGNED_CLIENT_SIZE = (607, 462)
QUEEN_DIAMETER = 25
DRONE_PEN_WIDTH = 5
DRONE_STROKE_LENGTH = (5, 30)
# xscreensaver will not run its programs as root; it is run as this user then.
UNPRIVILEGED = 65534
_PR_SET_CHILD_SUBREAPER = 36


class Fixture:
    def __init__(self, session, binary):
        self.session, self.binary = session, binary
        self.program = None

    def program_alive(self):
        return True  # each case starts a program of its own

    def drelk(self, *args, env=None):
        """Starts drelk, first ending one that a failed case has left running."""
        if self.program and self.program.alive():
            self.program.process.kill()
            self.program.process.wait(timeout=5)
        self.program = DrelkProcess(self.session, self.binary, args, env)
        return self.program


class HostWindow:
    """Another program's window to draw into: an xmessage, managed by openbox."""

    def __init__(self, session, width, height):
        self.session = session
        self.process = session.spawn(["xmessage", "-geometry", f"{width}x{height}+40+40",
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


def sees_hive(session, window="root", timeout=10.0):
    """The queen's disc and white drone strokes on black, as screensavers are dark, in a shot
    of the window within `timeout` s. Those near the queen may touch her."""
    deadline, why = time.monotonic() + timeout, ""
    while time.monotonic() < deadline:
        image = screen_image.grab(session, window)
        disc, why = screen_image.queen_disc(image, QUEEN_DIAMETER)
        strokes = screen_image.line_strokes(image, DRONE_PEN_WIDTH, *DRONE_STROKE_LENGTH,
                                            light=True)
        black = image.data.count(b"\0\0\0") * 3 / len(image.data)
        if disc and strokes and black > 0.9:
            return image
        why = why or ("no white drone strokes" if not strokes
                      else f"only {black:.0%} of the picture is black")
        time.sleep(0.2)
    raise AssertionError(f"no hive seen in window {window}: {why}")


def changes(session, window, gap=0.5):
    before = screen_image.grab(session, window)
    time.sleep(gap)
    return screen_image.changed_pixels(before, screen_image.grab(session, window)) > 0


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
        # At scale 2 the host's size in device pixels is the hive's size in device pixels.
        program = f.drelk("--window-id", str(host.id), env={"QT_SCALE_FACTOR": "2"})
        wait_filled(f.session, host.id, 480, 360)
        expect_quiet_term(program)
        program = f.drelk("--window-id", str(host.id))
        wait_filled(f.session, host.id, 480, 360)
        resize(f.session, host.id, 540, 400)
        wait_filled(f.session, host.id, 540, 400)
        sees_hive(f.session, host.id)
        check(changes(f.session, host.id), "the picture did not change")
        host.close()
        expect_one_line(program, 2, "has gone")
    finally:
        host.close()


def root_alone_covers_screen(f):
    """Covering the screen as the root window does: beneath every other window."""
    host = HostWindow(f.session, 200, 100)
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
        sees_hive(f.session)
        check(host_pixels() == before, "the cover hides another program's window")
        expect_quiet_term(program)
    finally:
        host.close()


def saver_covers_all_and_ends_when_stirred(f):
    """--saver: above every window, dark, the pointer hidden; a key ends it with status 0, and
    so does moving the pointer."""
    host = HostWindow(f.session, 200, 100)
    try:
        where = client_geometry(f.session, host.id)
        for stir in (["key", "x"], ["mousemove_relative", "--", "7", "5"]):
            program = f.drelk("--saver")
            window = program.wait_window()
            geometry = client_geometry(f.session, window)
            check((geometry.x, geometry.y, geometry.width, geometry.height) == (0, 0, *SCREEN),
                  f"the saver covers {geometry}")
            shot = sees_hive(f.session)
            hidden = screen_image.crop(shot, where.x, where.y, where.width, where.height).data
            check(hidden.count(b"\0\0\0") * 3 >= 0.9 * len(hidden),
                  "the xmessage shows through the saver")
            time.sleep(0.3)  # a few ticks: it must not end by itself
            check(program.alive(), f"the saver ended unstirred: {program.stderr()!r}")
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
        if os.getuid() == 0:
            for path in (home, runtime, settings.name):
                os.chown(path, UNPRIVILEGED, UNPRIVILEGED)
            command = ["setpriv", f"--reuid={UNPRIVILEGED}", f"--regid={UNPRIVILEGED}",
                       "--clear-groups", *command]
        env = dict(f.session.env, HOME=home, XDG_RUNTIME_DIR=runtime)
        daemon = f.session.spawn(command, log="xscreensaver.log", env=env)
        wait_until(lambda: f.session.run(["xscreensaver-command", "-time"], check=False,
                                          ).returncode == 0, 10, "xscreensaver to answer")
        f.session.run(["xscreensaver-command", "-activate"])
        started = wait_until(lambda: re.search(r'forked "[^"]*drelk --root" in pid (\d+) on '
                                               r"window (0x[0-9a-f]+)",
                                               f.session.log("xscreensaver.log")),
                             10, "xscreensaver to start drelk")
        pid, saver_window = int(started.group(1)), int(started.group(2), 16)
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
    ("--saver covers the screen above all windows and ends at a key or the pointer's move",
     saver_covers_all_and_ends_when_stirred),
    ("a window that does not exist ends in one line", missing_windows_end_in_one_line),
    ("xscreensaver runs drelk --root and stops it with SIGTERM",
     xscreensaver_daemon_runs_and_stops_drelk),
    ("--fullscreen, F11, Escape, Space and Ctrl+Q", fullscreen_and_keys),
    ("SIGTERM ends the window at once", sigterm_ends_window_quietly),
]


def main():
    if len(sys.argv) != 2 or not os.access(sys.argv[1], os.X_OK):
        print(__doc__.strip().splitlines()[-1].strip(), file=sys.stderr)
        return 2
    missing = [tool for tool in ("xmessage", "xscreensaver", "xscreensaver-command", "setpriv")
               if shutil.which(tool) is None]
    if missing:
        raise RuntimeError(f"missing tools: {' '.join(missing)} (run scripts/install-deps)")
    # Programs started by the screensaver daemon are handed to this script when their
    # parent ends first, so that their exit status can be read.
    ctypes.CDLL(None, use_errno=True).prctl(_PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
    unwind_on_signals()
    with XSession(*SCREEN) as session:
        return run_cases(CASES, Fixture(session, os.path.abspath(sys.argv[1])))


if __name__ == "__main__":
    main_guard(main)
