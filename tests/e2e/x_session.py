# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT

"""A private X display (Xvfb) with a real window manager (openbox), for driving the real program,
and what every such private desktop session shares (ChildSession).

Everything started here dies with the script: children are started with a parent-death signal,
SIGTERM/SIGINT/SIGHUP unwind through the normal clean-up, and the session's temporary HOME and
XDG folders are removed when it stops. Every wait is bounded.
"""

import ctypes
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

_PR_SET_PDEATHSIG = 1
_libc = ctypes.CDLL(None, use_errno=True)

REQUIRED_TOOLS = ("Xvfb", "openbox", "xdotool", "wmctrl", "xprop", "xwininfo", "import")


class SessionError(RuntimeError):
    """The X server or the window manager could not be started."""


def _die_with_parent():
    # Runs in the child between fork and exec: if the script is killed outright (a CTest
    # timeout sends SIGKILL), the kernel takes its X server and programs with it.
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


def _raise_exit(signum, _frame):
    raise SystemExit(128 + signum)


def unwind_on_signals():
    """Turns SIGTERM, SIGINT and SIGHUP into SystemExit, so `finally` blocks stop the session."""
    for signum in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(signum, _raise_exit)


def wait_until(predicate, timeout, what, interval=0.02):
    """Polls predicate until it returns something truthy; raises TimeoutError after timeout s."""
    deadline = time.monotonic() + timeout
    while True:
        result = predicate()
        if result:
            return result
        if time.monotonic() >= deadline:
            raise TimeoutError(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)


def missing_tools():
    return [tool for tool in REQUIRED_TOOLS if shutil.which(tool) is None]


class ChildSession:
    """A private HOME and XDG folders, and the children started in them, stopped together.

    Subclasses start their display server in start() and use spawn() for every child."""

    def __init__(self, start_timeout=15.0):
        self.start_timeout = start_timeout
        self.home = None
        self.env = None
        self._children = []

    def __enter__(self):
        try:
            self.start()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *_exc):
        self.stop()

    def start(self):
        raise NotImplementedError

    def _make_home(self, prefix):
        self.home = tempfile.mkdtemp(prefix=prefix)
        self.env = self._private_environment(self.home)

    @staticmethod
    def _private_environment(home):
        env = {k: v for k, v in os.environ.items() if not k.startswith(("XDG_", "QT_", "WAYLAND"))}
        env.pop("DISPLAY", None)
        env.pop("XAUTHORITY", None)
        env["HOME"] = home
        for name, sub in (("XDG_CONFIG_HOME", ".config"), ("XDG_CACHE_HOME", ".cache"),
                          ("XDG_DATA_HOME", ".local/share"), ("XDG_RUNTIME_DIR", "runtime")):
            path = os.path.join(home, sub)
            os.makedirs(path, mode=0o700, exist_ok=True)
            env[name] = path
        return env

    def path(self, name):
        return os.path.join(self.home, name)

    def log(self, name):
        try:
            with open(self.path(name), errors="replace") as file:
                return file.read().strip()[-2000:]
        except OSError:
            return ""

    def spawn(self, args, log=None, **kwargs):
        """Starts a child in this session's environment; it is stopped when the session stops.

        With log, the child's stdout and stderr go to that file in the session's folder."""
        kwargs.setdefault("env", self.env)
        if log is None:
            process = subprocess.Popen(args, preexec_fn=_die_with_parent, **kwargs)
        else:
            with open(self.path(log), "wb") as file:
                process = subprocess.Popen(args, preexec_fn=_die_with_parent, stdout=file,
                                           stderr=subprocess.STDOUT, **kwargs)
        self._children.append(process)
        return process

    def run(self, args, timeout=10.0, check=True, **kwargs):
        """Runs a short client (xdotool, xprop, ...) to completion and returns its result."""
        kwargs.setdefault("env", self.env)
        return subprocess.run(args, capture_output=True, timeout=timeout, check=check,
                              preexec_fn=_die_with_parent, **kwargs)

    def stop(self):
        # Newest first: programs, then the window manager, then the display server.
        for process in reversed(self._children):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=3)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait(timeout=3)
        self._children.clear()
        if self.home:
            shutil.rmtree(self.home, ignore_errors=True)
            self.home = None


# Who a Wayland compositor and its clients run as where the tests run as root (CI): the
# compositors will not run as root.
UNPRIVILEGED = 65534


class UnprivilegedSession(ChildSession):
    """A session whose compositor and every client run as UNPRIVILEGED when the tests run as
    root, through setpriv, which also passes on the parent-death signal that its change of
    user would clear."""

    def _as_user(self, args):
        if os.getuid() != 0:
            return list(args)
        return ["setpriv", f"--reuid={UNPRIVILEGED}", f"--regid={UNPRIVILEGED}", "--clear-groups",
                "--pdeathsig=KILL", *args]

    def spawn(self, args, log=None, **kwargs):
        return super().spawn(self._as_user(args), log=log, **kwargs)

    def run(self, args, timeout=10.0, check=True, **kwargs):
        return super().run(self._as_user(args), timeout=timeout, check=check, **kwargs)


class XSession(ChildSession):
    """Xvfb on a free display (chosen by the server itself, -displayfd) plus openbox."""

    def __init__(self, width=1280, height=1024, start_timeout=15.0):
        super().__init__(start_timeout)
        self.width = width
        self.height = height
        self.display = None
        self.xserver = None

    ATTEMPTS = 3

    def start(self):
        missing = missing_tools()
        if missing:
            raise SessionError(f"missing tools: {' '.join(missing)} (run scripts/install-deps)")
        # Other X servers come and go on this machine (parallel tests, other users); should
        # ours not come up usable, a fresh server on a fresh display is tried.
        for attempt in range(1, self.ATTEMPTS + 1):
            try:
                self._start_once()
                return
            except SessionError as error:
                note = f"{error} [{self._sockets()}]"
                self.stop()
                if attempt == self.ATTEMPTS:
                    raise SessionError(note) from None
                print(f"x_session: attempt {attempt} failed, starting again: {note}",
                      file=sys.stderr, flush=True)

    def _start_once(self):
        self._make_home("drelk-x-")
        self.display = self._start_xserver()
        self.env["DISPLAY"] = self.display
        self._expect_own_screen()
        self._start_window_manager()

    @staticmethod
    def _sockets():
        try:
            return "X sockets: " + " ".join(sorted(os.listdir("/tmp/.X11-unix")))
        except OSError as error:
            return f"no X sockets: {error}"

    def _expect_own_screen(self):
        """The display answers, and with our screen size: it is our server, not another's."""
        def answer():
            result = self.run(["xwininfo", "-root"], check=False)
            return result.stdout.decode() if result.returncode == 0 else None
        try:
            info = wait_until(answer, self.start_timeout, f"the X server on {self.display}")
        except TimeoutError as error:
            raise SessionError(f"{error}: {self.log('xvfb.log')}") from None
        size = re.search(r"Width: (\d+)\s+Height: (\d+)", info)
        if not size or (int(size.group(1)), int(size.group(2))) != (self.width, self.height):
            raise SessionError(f"{self.display} is not our {self.width}x{self.height} screen")

    def _start_xserver(self):
        read_end, write_end = os.pipe()
        try:
            self.xserver = self.spawn(
                # -noreset: the server stays up between clients instead of regenerating
                # (and refusing connections for a moment) each time the last one leaves.
                ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-noreset",
                 "-screen", "0", f"{self.width}x{self.height}x24"],
                pass_fds=(write_end,), log="xvfb.log")
            os.close(write_end)
            write_end = -1
            text = self._read_line(read_end)
        finally:
            os.close(read_end)
            if write_end >= 0:
                os.close(write_end)
        if not text.strip().isdigit():
            raise SessionError("Xvfb did not report a display: " + self.log("xvfb.log"))
        return ":" + text.strip()

    def _read_line(self, fd):
        # Xvfb writes the number and the newline separately, and dies if the pipe is closed
        # in between: read up to the newline.
        text, deadline = b"", time.monotonic() + self.start_timeout
        while not text.endswith(b"\n"):
            ready, _, _ = select.select([fd], [], [], max(0.0, deadline - time.monotonic()))
            chunk = os.read(fd, 64) if ready else b""
            if not chunk:
                break
            text += chunk
        return text.decode(errors="replace")

    def _start_window_manager(self):
        self.spawn(["openbox", "--sm-disable"], log="openbox.log")
        try:
            # openbox announces itself on the root window once it manages the screen.
            wait_until(lambda: self.run(["wmctrl", "-m"], check=False).returncode == 0,
                       self.start_timeout, "openbox to manage the screen", interval=0.05)
        except TimeoutError as error:
            state = "running" if self.xserver.poll() is None else "gone"
            raise SessionError(f"{error} on {self.display} (X server {state}): "
                               f"{self.log('openbox.log')} {self.log('xvfb.log')}") from None
