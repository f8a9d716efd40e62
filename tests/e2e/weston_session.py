# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
"""A private Wayland compositor (weston, headless, pixman renderer) for driving the real program,
its screenshots, and a relay that can close a window the way a compositor does.

Weston's headless back end has no seat: no pointer or keyboard reaches a window, and weston
itself never asks a toplevel to close (it draws no frames; windows carry their own). A desktop
that does (GNOME's overview, KDE's title bars, Alt+F4) sends the window xdg_toplevel.close.
CloseRelay stands between one client and weston, passes every message and file descriptor on
unchanged, and can add that one event, so the program's own close handling is what ends it.
"""

import array
import os
import re
import select
import shutil
import socket
import struct
import threading

import screen_image
from x_session import ChildSession, SessionError, wait_until

REQUIRED_TOOLS = ("weston", "weston-screenshooter", "convert")

# A solid background and no panel: everything else on the screen is the window.
BACKGROUND = (0x20, 0x40, 0x60)
_WESTON_INI = f"""[core]
idle-time=0

[shell]
background-color=0xff{BACKGROUND[0]:02x}{BACKGROUND[1]:02x}{BACKGROUND[2]:02x}
panel-position=none
locking=false
animation=none
close-animation=none
startup-animation=none
"""


class WestonSession(ChildSession):
    """weston --backend=headless-backend.so --use-pixman --debug, on its own socket."""

    SOCKET = "wayland-drelk"

    def __init__(self, width=1024, height=768, scale=1, start_timeout=15.0):
        super().__init__(start_timeout)
        self.width, self.height, self.scale = width, height, scale
        self.compositor = None  # weston's process, once started

    def start(self):
        missing = [tool for tool in REQUIRED_TOOLS if shutil.which(tool) is None]
        if missing:
            raise SessionError(f"missing tools: {' '.join(missing)} (run scripts/install-deps)")
        self._make_home("drelk-wayland-")
        with open(self.path("weston.ini"), "w") as file:
            file.write(_WESTON_INI)
        self.compositor = self.spawn(
            ["weston", "--backend=headless-backend.so", "--use-pixman",
             # --debug lets weston-screenshooter take pictures.
             "--debug", f"--config={self.path('weston.ini')}", f"--socket={self.SOCKET}",
             f"--width={self.width}", f"--height={self.height}", f"--scale={self.scale}"],
            log="weston.log")
        self.env["WAYLAND_DISPLAY"] = self.SOCKET
        self.env["QT_QPA_PLATFORM"] = "wayland"
        os.makedirs(self.path("shots"))
        try:
            # Ready once the desktop shell has drawn its background and a picture can be taken.
            wait_until(self._background_shown, self.start_timeout, "weston to show its desktop",
                       interval=0.1)
        except TimeoutError as error:
            raise SessionError(f"{error}: {self.log('weston.log')}") from None

    def _background_shown(self):
        try:
            image = self.screenshot()
        except (OSError, ValueError, RuntimeError):
            return False
        return image.rgb(image.width // 2, image.height // 2) == BACKGROUND

    def runtime_path(self, name):
        return os.path.join(self.env["XDG_RUNTIME_DIR"], name)

    def screenshot(self):
        """The whole output as weston composes it, in its own (device) pixels."""
        folder = self.path("shots")
        result = self.run(["weston-screenshooter"], check=False, cwd=folder, timeout=15)
        names = os.listdir(folder)
        if result.returncode != 0 or len(names) != 1:
            raise RuntimeError(f"weston-screenshooter failed: {result.stderr.decode().strip()}")
        shot = os.path.join(folder, names[0])
        try:
            blob = self.run(["convert", shot, "-depth", "8", "ppm:-"], timeout=15).stdout
        finally:
            os.remove(shot)
        return screen_image.parse_ppm(blob)


def toplevel_id(wayland_debug_log):
    """The client's object id of its xdg_toplevel, from its WAYLAND_DEBUG=client output."""
    # libwayland writes object ids as xdg_toplevel@15, and from 1.23 (Debian 13) as #15.
    match = re.search(r"get_toplevel\(new id xdg_toplevel[@#](\d+)\)", wayland_debug_log)
    return int(match.group(1)) if match else None


class CloseRelay:
    """A socket in the session's runtime folder that relays one client to weston."""

    _XDG_TOPLEVEL_CLOSE = 1  # event opcode in xdg-shell

    def __init__(self, session, name="wayland-relay"):
        self.name = name
        self._upstream_path = session.runtime_path(session.SOCKET)
        self._listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self._listener.bind(session.runtime_path(name))
        self._listener.listen(1)
        self._lock = threading.Lock()
        self._inject = b""
        self._stop = False
        self.error = None
        self._thread = threading.Thread(target=self._serve, daemon=True)
        self._thread.start()

    def close_toplevel(self, object_id):
        """Sends xdg_toplevel.close to the client at the next message boundary."""
        with self._lock:
            self._inject += struct.pack("<II", object_id, (8 << 16) | self._XDG_TOPLEVEL_CLOSE)

    def stop(self):
        self._stop = True
        self._thread.join(timeout=3)
        self._listener.close()

    def _serve(self):
        try:
            self._listener.settimeout(0.1)
            while not self._stop:
                try:
                    client, _ = self._listener.accept()
                    break
                except socket.timeout:
                    continue
            else:
                return
            upstream = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
            upstream.connect(self._upstream_path)
        except OSError as error:
            self.error = error
            return
        # One thread a direction: each may block sending while the other keeps reading, so
        # the relay never stalls a program that is itself waiting to send.
        with client, upstream:
            requests = threading.Thread(target=self._relay, daemon=True,
                                        args=(self._requests, client, upstream))
            requests.start()
            self._relay(self._events, client, upstream)
            requests.join(timeout=3)

    def _relay(self, direction, client, upstream):
        try:
            direction(client, upstream)
        except ConnectionError:
            pass  # one side hung up mid-message, as a program quitting may: the end, too
        except OSError as error:
            self.error = error
        finally:
            # Either side's end is the connection's end: wake the other direction.
            for sock in (client, upstream):
                try:
                    sock.shutdown(socket.SHUT_RDWR)
                except OSError:
                    pass

    def _requests(self, client, upstream):
        # Requests go up as they come, file descriptors with the bytes they arrived with.
        while not self._stop:
            if select.select([client], [], [], 0.05)[0]:
                data, fds = _receive(client)
                if not data:
                    return
                _send(upstream, data, fds)

    def _events(self, client, upstream):
        # Events go down whole, so an added one never lands inside another.
        events, event_fds = b"", []
        while not self._stop:
            if select.select([upstream], [], [], 0.05)[0]:
                data, fds = _receive(upstream)
                if not data:
                    return
                events += data
                event_fds += fds
            whole = _whole_messages(events)
            if whole:
                _send(client, events[:whole], event_fds)
                events, event_fds = events[whole:], []
            if not events:
                with self._lock:
                    inject, self._inject = self._inject, b""
                if inject:
                    _send(client, inject, [])


def _whole_messages(buffer):
    """How many leading bytes of buffer are complete Wayland messages."""
    end = 0
    while len(buffer) - end >= 8:
        size = struct.unpack_from("<I", buffer, end + 4)[0] >> 16
        if size < 8 or len(buffer) - end < size:
            break
        end += size
    return end


def _receive(sock):
    fds = array.array("i")
    data, ancillary, _flags, _addr = sock.recvmsg(65536, socket.CMSG_SPACE(28 * fds.itemsize))
    for level, kind, payload in ancillary:
        if level == socket.SOL_SOCKET and kind == socket.SCM_RIGHTS:
            fds.frombytes(payload[:len(payload) - len(payload) % fds.itemsize])
    return data, list(fds)


def _send(sock, data, fds):
    try:
        sent = sock.sendmsg([data], [(socket.SOL_SOCKET, socket.SCM_RIGHTS,
                                      array.array("i", fds))] if fds else [])
        sock.sendall(data[sent:])
    finally:
        for fd in fds:
            os.close(fd)


def wait_toplevel(program, timeout=15.0):
    """Waits until the program has made its toplevel; returns its object id."""
    def made():
        if not program.alive():
            raise AssertionError(f"drelk exited with {program.process.returncode} before "
                                 f"making a window; stderr: {program.stderr()[-2000:]!r}")
        return toplevel_id(program.stderr())
    return wait_until(made, timeout, "an xdg_toplevel", interval=0.05)
