# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
"""A private Wayland compositor with the layer shell (sway, headless, pixman renderer), its
outputs, pictures of them (grim) and the programs run on it.

sway will not run as root, and CI runs as root: there, sway and every client (drelk, grim,
swaymsg, wtype) run as an unprivileged user who owns the session's folders, through setpriv,
which also passes on the parent-death signal that its change of user would clear.
"""

import glob
import json
import os
import shutil

import screen_image
from x_session import UNPRIVILEGED, SessionError, UnprivilegedSession, wait_until

REQUIRED_TOOLS = ("sway", "swaymsg", "grim", "wtype", "setpriv")
FIRST_OUTPUT = "HEADLESS-1"


class SwaySession(UnprivilegedSession):
    """sway -c CONFIG on the headless back end. `outputs` gives the size and scale of
    HEADLESS-1 and of those add_output() makes, in turn, before sway shows them."""

    adds_outputs = True  # while running, as a monitor plugged in
    first_output = FIRST_OUTPUT

    def __init__(self, outputs=((800, 600, 1),), config="", start_timeout=15.0):
        super().__init__(start_timeout)
        self.outputs, self.config = outputs, config
        self.compositor = None  # sway's process, once started

    def start(self):
        missing = [tool for tool in REQUIRED_TOOLS if shutil.which(tool) is None]
        if missing:
            raise SessionError(f"missing tools: {' '.join(missing)} (run scripts/install-deps)")
        self._make_home("drelk-sway-")
        with open(self.path("sway.conf"), "w") as file:
            file.write("xwayland disable\n" + "".join(
                f"output HEADLESS-{n} resolution {width}x{height} scale {scale}\n"
                for n, (width, height, scale) in enumerate(self.outputs, 1)) + self.config)
        if os.getuid() == 0:
            for folder, _, files in os.walk(self.home):
                for name in [folder] + [os.path.join(folder, f) for f in files]:
                    os.chown(name, UNPRIVILEGED, UNPRIVILEGED)
        runtime = self.env["XDG_RUNTIME_DIR"]
        self.compositor = self.spawn(
            ["sway", "-c", self.path("sway.conf")], log="sway.log",
            env=dict(self.env, WLR_BACKENDS="headless", WLR_RENDERER="pixman",
                     WLR_LIBINPUT_NO_DEVICES="1"))
        def sockets():
            if self.compositor.poll() is not None:
                raise SessionError(f"sway ended with {self.compositor.returncode}: "
                                   f"{self.log('sway.log')}")
            display = glob.glob(os.path.join(runtime, "wayland-*[0-9]"))
            ipc = glob.glob(os.path.join(runtime, "sway-ipc.*.sock"))
            return display and ipc and (display[0], ipc[0])
        try:
            display, self.env["SWAYSOCK"] = wait_until(sockets, self.start_timeout,
                                                       "sway's sockets", interval=0.05)
            self.env["WAYLAND_DISPLAY"] = os.path.basename(display)
            wait_until(lambda: self.output(FIRST_OUTPUT), self.start_timeout,
                       f"sway to show {FIRST_OUTPUT}", interval=0.05)
        except TimeoutError as error:
            raise SessionError(f"{error}: {self.log('sway.log')}") from None

    def sway(self, *command):
        """Runs a sway command; raises if sway says it failed."""
        result = self.run(["swaymsg", "--raw", *command], check=False)
        replies = json.loads(result.stdout or b"[]")
        failed = [reply.get("error", "failed") for reply in replies if not reply.get("success")]
        if result.returncode != 0 or failed:
            raise RuntimeError(f"swaymsg {' '.join(command)}: {'; '.join(failed)} "
                               f"{result.stderr.decode().strip()}")

    def query(self, kind):
        return json.loads(self.run(["swaymsg", "--raw", "-t", kind]).stdout)

    def output(self, name):
        """sway's description of an active output, or None."""
        return next((o for o in self.query("get_outputs") if o["name"] == name and o["active"]),
                    None)

    def output_names(self):
        return [o["name"] for o in self.query("get_outputs") if o["active"]]

    def add_output(self):
        """A new headless output; returns its name once sway shows it."""
        before = {o["name"] for o in self.query("get_outputs")}
        self.sway("create_output")
        return wait_until(lambda: next((o["name"] for o in self.query("get_outputs")
                                        if o["name"] not in before and o["active"]), None),
                          5, "sway to add an output", interval=0.01)

    def window_rect(self, app_id, output):
        """The window's place on the output, in its buffer pixels, if it is shown there."""
        out = next(o for o in self.query("get_outputs") if o["name"] == output)
        def find(node, on):
            on = node["name"] if node["type"] == "output" else on
            if node.get("app_id") == app_id and on == output and node.get("visible"):
                return node["rect"]
            return next(filter(None, (find(child, on) for child in
                                      node["nodes"] + node["floating_nodes"])), None)
        rect = find(self.query("get_tree"), None)
        if not rect:
            return None
        scale = out["scale"]
        return tuple(round(v * scale) for v in (rect["x"] - out["rect"]["x"],
                                                  rect["y"] - out["rect"]["y"],
                                                  rect["width"], rect["height"]))

    def set_fullscreen(self, app_id, on):
        self.sway(f'[app_id="{app_id}"]', "fullscreen", "enable" if on else "disable")

    def key_command(self, key="x"):
        """A program that presses and releases a key (x, space) once its keyboard is known."""
        return ["wtype", "-s", "500", *(["-k", key] if len(key) > 1 else [key])]

    def _windows(self):
        """(process id, output, full screen) of each window."""
        found = []
        def walk(node, on):
            on = node["name"] if node["type"] == "output" else on
            if node.get("pid"):
                found.append((node["pid"], on, node.get("fullscreen_mode") == 1))
            for child in node["nodes"] + node["floating_nodes"]:
                walk(child, on)
        walk(self.query("get_tree"), None)
        return found

    def fullscreen_output(self, pid):
        """The output the process's window fills, or None."""
        return next((on for p, on, full in self._windows() if p == pid and full), None)

    def fullscreen_on(self, pid, output):
        """Makes the process's window fill the output."""
        self.sway(f"[pid={pid}]", "move", "container", "to", "output", output)
        self.sway(f"[pid={pid}]", "fullscreen", "enable")

    def press(self, pid, key):
        """Gives the process's window the focus and presses the key there."""
        self.sway(f"[pid={pid}]", "focus")
        self.run(self.key_command(key), timeout=20)

    def pointer_command(self, virtual_pointer):
        """A program that makes a pointer, waits half a second and moves it."""
        return [virtual_pointer, "0.5"]

    def shot(self, output):
        """One output as sway composes it, in its own (buffer) pixels."""
        blob = self.run(["grim", "-o", output, "-t", "ppm", "-"], timeout=15).stdout
        return screen_image.parse_ppm(blob)

    def save_shot(self, output, path):
        """As PPM where the path ends so, else PNG."""
        kind = "ppm" if path.endswith(".ppm") else "png"
        with open(path, "wb") as file:
            file.write(self.run(["grim", "-o", output, "-t", kind, "-"], timeout=15).stdout)
