# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
"""A private KWin (kwin_wayland --virtual, OpenGL on Mesa's llvmpipe) with its own session bus,
offering what SwaySession offers the layers tests: outputs, pictures of them, a window's place,
full screen, a key and a pointer's movement. Outside CI: scripts/check-kwin runs it.

KWin takes a picture only through its screenshot effect (org.kde.KWin.ScreenShot2), which needs
OpenGL compositing; windows are placed by a window rule and found and made full screen by KWin
scripts, whose print() lines are read back from KWin's log; input comes through
org_kde_kwin_fake_input. kwin_tools.py does the talking, as the session's user.

Checked with KWin 5.27.5 (Debian 12): its virtual back end makes every output at start, of one
size and scale, and adds none later; /usr/bin/kwin_wayland carries the file capability
cap_sys_resource and fails with "Operation not permitted" where the capability bounding set
lacks it (containers), so a copy without it runs there (it must keep the name kwin_wayland:
KWin's own Qt platform plugin loads only into a program of that name).
"""

import json
import os
import re
import shutil
import subprocess
import sys

import screen_image
from x_session import UNPRIVILEGED, SessionError, UnprivilegedSession, wait_until

FIRST_OUTPUT = "Virtual-0"
KWIN = "/usr/bin/kwin_wayland"
PYTHON = "/usr/bin/python3"  # Debian's, with python3-dbus; the session's user can run it
TOOLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "kwin_tools.py")
REQUIRED_TOOLS = (KWIN, "dbus-daemon", "setpriv", "wayland-info", PYTHON)
_CAP_SYS_RESOURCE = 24
# Keys as the kernel numbers them
KEYS = {"x": 45, "space": 57}


def _bounding_set_has(capability):
    with open("/proc/self/status") as file:
        bits = int(re.search(r"^CapBnd:\s*([0-9a-f]+)", file.read(), re.M).group(1), 16)
    return bool(bits >> capability & 1)


class KWinSession(UnprivilegedSession):
    """kwin_wayland --virtual with `count` outputs of `size` (device pixels) at `scale`; with
    `place`, (app_id, (x, y, width, height)), a rule puts that program's window there, in
    logical pixels of the first output, without a frame."""

    def __init__(self, count=1, size=(800, 600), scale=1, place=None, start_timeout=30.0):
        super().__init__(start_timeout)
        self.count, self.size, self.scale, self.place = count, size, scale, place
        self.compositor = None  # kwin_wayland's process, once started
        self._outputs = {}
        self._scripts = 0

    def start(self):
        missing = [tool for tool in REQUIRED_TOOLS if shutil.which(tool) is None]
        if missing:
            raise SessionError(f"missing tools: {' '.join(missing)} (scripts/check-kwin "
                               "installs them)")
        if subprocess.run([PYTHON, "-c", "import dbus"], capture_output=True).returncode:
            raise SessionError("python3-dbus is missing (scripts/check-kwin installs it)")
        self._make_home("drelk-kwin-")
        runtime = self.env["XDG_RUNTIME_DIR"]
        kwin = KWIN
        if not _bounding_set_has(_CAP_SYS_RESOURCE):
            os.makedirs(self.path("bin"))
            kwin = self.path("bin/kwin_wayland")
            shutil.copy(KWIN, kwin)  # copies the file, not its capability
        if self.place:
            app_id, (x, y, width, height) = self.place
            os.makedirs(self.env["XDG_CONFIG_HOME"], exist_ok=True)
            with open(os.path.join(self.env["XDG_CONFIG_HOME"], "kwinrulesrc"), "w") as file:
                file.write(f"[General]\ncount=1\nrules=1\n\n[1]\nDescription=placed\n"
                           f"wmclass={app_id}\nwmclassmatch=1\nposition={x},{y}\n"
                           f"positionrule=2\nsize={width},{height}\nsizerule=2\n"
                           f"noborder=true\nnoborderrule=2\n")
        if os.getuid() == 0:
            for folder, _, files in os.walk(self.home):
                for name in [folder] + [os.path.join(folder, f) for f in files]:
                    os.chown(name, UNPRIVILEGED, UNPRIVILEGED)
        bus = os.path.join(runtime, "bus")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = f"unix:path={bus}"
        self.spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                    f"--address=unix:path={bus}"], log="dbus.log")
        try:
            wait_until(lambda: os.path.exists(bus), self.start_timeout, "the session bus")
        except TimeoutError as error:
            raise SessionError(f"{error}: {self.log('dbus.log')}") from None
        self.env["WAYLAND_DISPLAY"] = "wayland-drelk"
        self.compositor = self.spawn(
            [kwin, "--virtual", "--socket", "wayland-drelk", "--no-lockscreen",
             "--no-global-shortcuts", "--no-kactivities", f"--output-count={self.count}",
             # KWin takes the outputs' size in logical pixels.
             f"--width={self.size[0] // self.scale}", f"--height={self.size[1] // self.scale}",
             f"--scale={self.scale}"],
            log="kwin.log",
            env=dict(self.env, KWIN_COMPOSE="O2", LIBGL_ALWAYS_SOFTWARE="1",
                     KWIN_WAYLAND_NO_PERMISSION_CHECKS="1",
                     KWIN_SCREENSHOT_NO_PERMISSION_CHECKS="1",
                     QT_LOGGING_RULES="kwin_scripting.debug=true"))
        try:
            wait_until(self._read_outputs, self.start_timeout, "KWin's outputs", interval=0.2)
            wait_until(lambda: self._try_shot(FIRST_OUTPUT), self.start_timeout,
                       "KWin's first picture", interval=0.2)
        except TimeoutError as error:
            raise SessionError(f"{error}: {self.log('kwin.log')}") from None

    def _read_outputs(self):
        if self.compositor.poll() is not None:
            raise SessionError(f"KWin ended with {self.compositor.returncode}: "
                               f"{self.log('kwin.log')}")
        info = self.run(["wayland-info"], check=False).stdout.decode(errors="replace")
        found = re.findall(r"name: (\S+)\s+description:.*\n\s+x: (-?\d+), y: (-?\d+), scale: "
                           r"(\d+),[\s\S]*?width: (\d+) px, height: (\d+) px", info)
        if len(found) < self.count:
            return False
        for name, x, y, scale, width, height in found:
            scale = int(scale)
            self._outputs[name] = {"name": name, "active": True, "scale": scale, "rect": {
                "x": int(x), "y": int(y), "width": int(width) // scale,
                "height": int(height) // scale}}
        return True

    def _try_shot(self, output):
        try:
            return self.shot(output)
        except (RuntimeError, subprocess.SubprocessError, ValueError):
            return None

    def _tool(self, *args, timeout=15.0):
        result = self.run([PYTHON, TOOLS, *args], timeout=timeout, check=False)
        if result.returncode != 0:
            raise RuntimeError(result.stderr.decode(errors="replace").strip())
        return result.stdout

    def output(self, name):
        return self._outputs.get(name)

    def output_names(self):
        return sorted(self._outputs)

    adds_outputs = False  # the virtual back end makes its outputs at start only
    first_output = FIRST_OUTPUT

    def add_output(self):
        """The next of the outputs KWin started with that nobody has had yet."""
        self._handed = getattr(self, "_handed", 1) + 1
        names = sorted(self._outputs)
        if self._handed > len(names):
            raise SessionError(f"KWin was started with {len(names)} outputs and adds none")
        return names[self._handed - 1]

    def shot(self, output):
        """One output as KWin composes it, in its own (device) pixels."""
        return screen_image.parse_ppm(self._tool("shot", output))

    def save_shot(self, output, path):
        with open(path, "wb") as file:
            file.write(self._tool("shot", output))

    def kwin_script(self, body):
        """Runs JavaScript in KWin; returns what it print()ed, in order."""
        self._scripts += 1
        mark = f"drelk-{self._scripts}:"
        path = self.path(f"script{self._scripts}.js")
        with open(path, "w") as file:
            file.write(body.replace("print(", f"print({json.dumps(mark)}, "))
        if os.getuid() == 0:
            os.chown(path, UNPRIVILEGED, UNPRIVILEGED)
        before = len(self._full_log())
        self._tool("script", path, f"drelk{self._scripts}")
        # print() reaches KWin's log as "js: MARK TEXT"; the script has run when the last
        # line, which every script here prints, is there.
        def printed():
            lines = re.findall(rf"{re.escape(mark)} (.*)", self._full_log()[before:])
            return lines and lines[-1] == "end" and [lines[:-1]]
        try:
            return wait_until(printed, 5, "the KWin script's lines")[0]
        finally:
            self._tool("unload", f"drelk{self._scripts}")

    def _full_log(self):
        with open(self.path("kwin.log"), errors="replace") as file:
            return file.read()

    def window_rect(self, app_id, output):
        """The window's place on the output, in its buffer pixels, if it is shown there (its
        middle on the output: KWin 5.27 does not give a script the window's output)."""
        lines = self.kwin_script(f"""
for (const w of workspace.clientList()) {{
    const g = w.frameGeometry;
    if (w.resourceClass == {json.dumps(app_id)} && !w.minimized)
        print(JSON.stringify([g.x, g.y, g.width, g.height]));
}}
print("end");
""")
        out = self.output(output)
        left, top = out["rect"]["x"], out["rect"]["y"]
        for x, y, width, height in (json.loads(line) for line in lines):
            if 0 <= x + width / 2 - left < out["rect"]["width"] and \
                    0 <= y + height / 2 - top < out["rect"]["height"]:
                return tuple(round(v * out["scale"]) for v in (x - left, y - top, width, height))
        return None

    def set_fullscreen(self, app_id, on):
        self.kwin_script(f"""
for (const w of workspace.clientList())
    if (w.resourceClass == {json.dumps(app_id)}) w.fullScreen = {json.dumps(bool(on))};
print("end");
""")

    def key_command(self, key="x"):
        """A program that presses and releases a key (x, space)."""
        return [PYTHON, TOOLS, "key", str(KEYS[key])]

    def _output_at(self, x, y):
        return next((name for name, out in self._outputs.items()
                     if 0 <= x - out["rect"]["x"] < out["rect"]["width"]
                     and 0 <= y - out["rect"]["y"] < out["rect"]["height"]), None)

    def fullscreen_output(self, pid):
        """The output the process's window fills, or None."""
        lines = self.kwin_script(f"""
for (const w of workspace.clientList()) {{
    const g = w.frameGeometry;
    if (w.pid == {int(pid)} && w.fullScreen) print(JSON.stringify([g.x, g.y, g.width, g.height]));
}}
print("end");
""")
        for x, y, width, height in (json.loads(line) for line in lines):
            return self._output_at(x + width / 2, y + height / 2)
        return None

    def fullscreen_on(self, pid, output):
        """Makes the process's window fill the output."""
        index = sorted(self._outputs).index(output)
        self.kwin_script(f"""
for (const w of workspace.clientList()) {{
    if (w.pid == {int(pid)}) {{
        workspace.sendClientToScreen(w, {index});
        w.fullScreen = true;
    }}
}}
print("end");
""")

    def press(self, pid, key):
        """Gives the process's window the focus and presses the key there."""
        self.kwin_script(f"""
for (const w of workspace.clientList())
    if (w.pid == {int(pid)}) workspace.activeClient = w;
print("end");
""")
        self._tool("key", str(KEYS[key]), timeout=20)

    def pointer_command(self, _virtual_pointer=None):
        """A program that makes a pointer, waits half a second and moves it."""
        return [PYTHON, TOOLS, "move", "0.5"]


def scale_from_environment():
    """DRELK_E2E_KWIN_SCALE: the outputs' scale (KWin's virtual back end gives all one)."""
    text = os.environ.get("DRELK_E2E_KWIN_SCALE", "1")
    if text not in ("1", "2", "3"):
        print(f"DRELK_E2E_KWIN_SCALE={text!r}: give 1, 2 or 3", file=sys.stderr)
        sys.exit(2)
    return int(text)
