# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT

"""The real drelk program running in a session (X or Wayland), and what the window manager and
the X tools can do to its window and tell about it."""

import re
import time

from x_session import wait_until

TITLE = "The Drelk"
# xdotool matches names as regular expressions; anchor it so "The Drelk 2" would not count.
_TITLE_PATTERN = "^The Drelk$"


class WindowGeometry:
    def __init__(self, x, y, width, height, viewable):
        self.x, self.y, self.width, self.height, self.viewable = x, y, width, height, viewable

    def __repr__(self):
        state = "viewable" if self.viewable else "not viewable"
        return f"{self.width}x{self.height}+{self.x}+{self.y} ({state})"


class DrelkProcess:
    """Starts drelk with its stdout and stderr captured in files of the session's folder, named
    after `name` (one set a program running at the same time)."""

    def __init__(self, session, binary, args=(), env=None, name="drelk"):
        self.session = session
        self._stdout_path = session.path(f"{name}.stdout")
        self._stderr_path = session.path(f"{name}.stderr")
        with open(self._stdout_path, "wb") as out, open(self._stderr_path, "wb") as err:
            self.started = time.monotonic()
            self.process = session.spawn([binary, *args], stdout=out, stderr=err,
                                         env=dict(session.env, **(env or {})))
        self.pid = self.process.pid

    def alive(self):
        return self.process.poll() is None

    def stderr(self):
        with open(self._stderr_path, errors="replace") as file:
            return file.read()

    def wait_exit(self, timeout):
        """Waits for the program to end; returns (exit status, seconds waited)."""
        start = time.monotonic()
        status = self.process.wait(timeout=timeout)
        return status, time.monotonic() - start

    def visible_windows(self):
        """Ids of viewable top-level windows titled exactly "The Drelk" (any process)."""
        result = self.session.run(
            ["xdotool", "search", "--onlyvisible", "--name", _TITLE_PATTERN], check=False)
        return [int(word) for word in result.stdout.split()]

    def wait_window(self, timeout=15.0):
        """Waits for the window to be shown and returns its id."""
        def shown():
            if not self.alive():
                raise AssertionError(f"drelk exited with {self.process.returncode} before "
                                     f"showing a window; stderr: {self.stderr()!r}")
            windows = self.visible_windows()
            return windows[0] if len(windows) == 1 else None
        return wait_until(shown, timeout, f'a window titled "{TITLE}"')


def window_names(session, window):
    """The window's _NET_WM_NAME and WM_NAME as texts (None where unset)."""
    out = session.run(["xprop", "-id", str(window), "_NET_WM_NAME", "WM_NAME"]).stdout.decode()
    names = {}
    for prop in ("_NET_WM_NAME", "WM_NAME"):
        match = re.search(rf'^{prop}\([A-Z0-9_]+\) = "(.*)"$', out, re.M)
        names[prop] = match.group(1) if match else None
    return names


def window_icons(session, window):
    """The images in the window's _NET_WM_ICON, as (width, height, ARGB pixel list) tuples."""
    out = session.run(["xprop", "-id", str(window), "-f", "_NET_WM_ICON", "32c",
                       "_NET_WM_ICON"]).stdout.decode()
    match = re.search(r"_NET_WM_ICON\(CARDINAL\) = ([0-9, ]+)", out)
    if not match:
        return []
    values = [int(word) for word in match.group(1).replace(",", " ").split()]
    icons = []
    while len(values) >= 2:
        width, height = values[0], values[1]
        count = width * height
        if count == 0 or len(values) < 2 + count:
            break
        icons.append((width, height, values[2:2 + count]))
        values = values[2 + count:]
    return icons


def client_geometry(session, window):
    """Position on the screen and size of the window's client area, from xwininfo."""
    out = session.run(["xwininfo", "-id", str(window)]).stdout.decode()
    def field(label):
        return int(re.search(rf"^\s*{label}:\s*(-?\d+)", out, re.M).group(1))
    viewable = re.search(r"Map State:\s*IsViewable", out) is not None
    return WindowGeometry(field("Absolute upper-left X"), field("Absolute upper-left Y"),
                          field("Width"), field("Height"), viewable)


def resize(session, window, width, height):
    session.run(["xdotool", "windowsize", str(window), str(width), str(height)])


def wait_client_size(session, window, width, height, timeout=5.0):
    return wait_until(lambda: (lambda g: g if (g.width, g.height) == (width, height) else None)(
        client_geometry(session, window)), timeout, f"the client area to become {width}x{height}")


def minimise(session, window):
    session.run(["xdotool", "windowminimize", str(window)])


def restore(session, window):
    # Activating a minimised window is how a window manager's task list brings it back.
    session.run(["wmctrl", "-i", "-a", hex(window)])


def maximise(session, window, on=True):
    action = "add" if on else "remove"
    session.run(["wmctrl", "-i", "-r", hex(window), "-b",
                 f"{action},maximized_vert,maximized_horz"])


def close(session):
    """Asks the window manager to close the window, as its close button does."""
    session.run(["wmctrl", "-F", "-c", TITLE])
