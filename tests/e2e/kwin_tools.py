#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
"""What the tests ask of a private KWin, run as the session's own user (its session bus lets
no other user in):

    kwin_tools.py shot OUTPUT        the output in its own pixels, as PPM on stdout
                                     (org.kde.KWin.ScreenShot2, raw pixels through a pipe)
    kwin_tools.py script FILE NAME   loads a KWin script and runs it
    kwin_tools.py unload NAME        unloads it again
    kwin_tools.py key KEYCODE        waits 0.5 s, presses and releases a key  (org_kde_kwin_
    kwin_tools.py move WAIT          waits WAIT s, then moves the pointer      fake_input)

Status 0 when done, 1 when KWin refused or could not be reached, 2 on bad use.
"""

import os
import socket
import struct
import sys
import threading
import time

sys.dont_write_bytecode = True


# --- D-Bus ------------------------------------------------------------------------------------

def _kwin(path, interface):
    import dbus  # python3-dbus; only this side needs it
    bus = dbus.bus.BusConnection(os.environ["DBUS_SESSION_BUS_ADDRESS"])
    return dbus.Interface(bus.get_object("org.kde.KWin", path), interface), dbus


def shot(output):
    screenshots, dbus = _kwin("/org/kde/KWin/ScreenShot2", "org.kde.KWin.ScreenShot2")
    read_end, write_end = os.pipe()
    chunks = []
    reader = threading.Thread(target=lambda: chunks.extend(
        iter(lambda: os.read(read_end, 1 << 20), b"")))
    reader.start()
    try:
        found = screenshots.CaptureScreen(output, {"native-resolution": True},
                                          dbus.types.UnixFd(write_end))
    finally:
        os.close(write_end)
        reader.join()
        os.close(read_end)
    width, height, stride = (int(found[key]) for key in ("width", "height", "stride"))
    if int(found["format"]) not in (4, 5, 6):  # QImage's RGB32 and ARGB32 (premultiplied)
        raise RuntimeError(f"pixels in QImage format {int(found['format'])}")
    raw = b"".join(chunks)
    # Each pixel is 0xAARRGGBB in the machine's (little-endian) order: B, G, R, A.
    rows = bytearray()
    for y in range(height):
        row = raw[y * stride:y * stride + width * 4]
        pixels = bytearray(width * 3)
        pixels[0::3], pixels[1::3], pixels[2::3] = row[2::4], row[1::4], row[0::4]
        rows += pixels
    sys.stdout.buffer.write(b"P6\n%d %d\n255\n" % (width, height) + bytes(rows))


def script(path, name):
    scripting, _ = _kwin("/Scripting", "org.kde.kwin.Scripting")
    number = int(scripting.loadScript(path, name, signature="ss"))
    if number < 0:
        raise RuntimeError(f"KWin did not load the script {path}")
    scripting.start()  # runs the scripts loaded but not yet running: this one


def unload(name):
    scripting, _ = _kwin("/Scripting", "org.kde.kwin.Scripting")
    scripting.unloadScript(name)


# --- org_kde_kwin_fake_input, on the Wayland wire ----------------------------------------------

class Wire:
    """Just enough of a Wayland client to bind one global and send it requests."""

    def __init__(self):
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(os.path.join(os.environ["XDG_RUNTIME_DIR"],
                                       os.environ["WAYLAND_DISPLAY"]))
        self.next_id, self.buffer = 2, b""

    def send(self, obj, opcode, *args):
        body = b""
        for arg in args:
            if isinstance(arg, str):
                text = arg.encode() + b"\0"
                body += struct.pack("<I", len(text)) + text + b"\0" * (-len(text) % 4)
            else:
                body += struct.pack("<I" if arg >= 0 else "<i", arg)
        self.sock.sendall(struct.pack("<II", obj, (8 + len(body)) << 16 | opcode) + body)

    def new_id(self):
        self.next_id += 1
        return self.next_id - 1

    def events(self):
        while True:
            while len(self.buffer) >= 8:
                obj, word = struct.unpack_from("<II", self.buffer)
                if len(self.buffer) < word >> 16:
                    break
                body, self.buffer = self.buffer[8:word >> 16], self.buffer[word >> 16:]
                if obj == 1 and word & 0xFFFF == 0:  # wl_display.error
                    raise RuntimeError(f"Wayland error {struct.unpack_from('<I', body, 4)[0]}")
                yield obj, word & 0xFFFF, body
            data = self.sock.recv(65536)
            if not data:
                raise RuntimeError("the compositor hung up")
            self.buffer += data

    def roundtrip(self, on_event=lambda *_: None):
        done = self.new_id()
        self.send(1, 0, done)  # wl_display.sync
        for obj, opcode, body in self.events():
            if obj == done:
                return
            on_event(obj, opcode, body)


def fake_input():
    wire = Wire()
    registry = wire.new_id()
    wire.send(1, 1, registry)  # wl_display.get_registry
    found = {}
    def global_(obj, opcode, body):
        if obj == registry and opcode == 0:
            name, length = struct.unpack_from("<II", body)
            interface = body[8:8 + length - 1].decode()
            found[interface] = (name, struct.unpack_from("<I", body, 8 + length + (-length % 4))[0])
    wire.roundtrip(global_)
    if "org_kde_kwin_fake_input" not in found:
        raise RuntimeError("KWin offers no org_kde_kwin_fake_input (is "
                           "KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 set?)")
    name, version = found["org_kde_kwin_fake_input"]
    device = wire.new_id()
    wire.send(registry, 0, name, "org_kde_kwin_fake_input", min(version, 4), device)
    wire.send(device, 0, "drelk tests", "end-to-end tests in a private session")  # authenticate
    wire.roundtrip()
    return wire, device


def key(code):
    wire, device = fake_input()
    # As wtype -s 500 on sway: the new device changes the seat's capabilities, and clients
    # that then get a new wl_keyboard would not have the key on the old one.
    time.sleep(0.5)
    for state in (1, 0):
        wire.send(device, 10, code, state)  # keyboard_key (version 4)
        wire.roundtrip()


def move(wait):
    wire, device = fake_input()
    time.sleep(wait)  # the device is new: let clients get their wl_pointer first
    wire.send(device, 1, 10 * 256, 10 * 256)  # pointer_motion by 10, 10 (wl_fixed)
    wire.roundtrip()


def main():
    commands = {"shot": (shot, str), "script": (script, str, str),
                "unload": (unload, str), "key": (key, int),
                "move": (move, float)}
    if len(sys.argv) < 2 or sys.argv[1] not in commands or \
            len(sys.argv) != len(commands[sys.argv[1]]) + 1:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    function, *types = commands[sys.argv[1]]
    try:
        function(*(kind(arg) for kind, arg in zip(types, sys.argv[2:])))
    except Exception as error:  # D-Bus, socket and KWin's own refusals alike
        print(f"kwin_tools.py {sys.argv[1]}: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
