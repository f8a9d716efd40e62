# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT

"""Screenshots of the X display and the few things the tests look for in them: the queen's
disc in its fill colour, the thick dark strokes of the drone lines, and change between shots."""

import math
import os
import re
import tempfile
import time
from collections import Counter, deque

QUEEN_FILL = (128, 128, 255)
# The hive's elements in 96-dpi pixels: the queen's circle is 375 twips across, a drone's pen
# 5 pixels wide, and its body 100 to 299 twips long (7 to 20 pixels; the caps may add the pen).
QUEEN_DIAMETER = 25
DRONE_PEN_WIDTH = 5
DRONE_STROKE_LENGTH = (5, 30)


class Image:
    """An 8-bit RGB picture, rows top to bottom."""

    def __init__(self, width, height, data):
        if len(data) != width * height * 3:
            raise ValueError(f"{width}x{height} picture with {len(data)} bytes")
        self.width, self.height, self.data = width, height, data

    def rgb(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def luminance(self):
        """Per-pixel brightness 0..255 (ITU-R 601 weights), as a flat list."""
        d = self.data
        return [(299 * r + 587 * g + 114 * b) // 1000 for r, g, b in zip(d[0::3], d[1::3], d[2::3])]


def parse_ppm(blob):
    match = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", blob)
    if not match or int(match.group(3)) != 255:
        raise ValueError("not an 8-bit binary PPM picture")
    width, height = int(match.group(1)), int(match.group(2))
    return Image(width, height, blob[match.end():match.end() + width * height * 3])


def grab(session, window="root"):
    """A screenshot of one window's contents (by id) or of the whole screen."""
    target = str(window)
    blob = session.run(["import", "-silent", "-window", target, "-depth", "8", "ppm:-"],
                       timeout=15).stdout
    return parse_ppm(blob)


def save_png(session, window, path):
    """Saves the window as the user sees it, frame and title bar included."""
    session.run(["import", "-silent", "-frame", "-window", str(window), path], timeout=15)


def save_animation(session, window, path, seconds, interval=0.0, speed=1.0, scale=100):
    """Records the window as the user sees it for `seconds` s, frame included, a picture at
    most every `interval` s, and saves it as a looping GIF that plays `speed` times as fast as
    it was recorded, at `scale` per cent: each picture stays up until the next one was
    taken."""
    with tempfile.TemporaryDirectory(prefix="drelk-frames-") as folder:
        shots, start = [], time.monotonic()
        while time.monotonic() - start < seconds:
            taken = time.monotonic()
            shot = os.path.join(folder, f"{len(shots):04d}.png")
            resize = ["-resize", f"{scale}%"] if scale != 100 else []
            session.run(["import", "-silent", "-frame", "-window", str(window), *resize, shot],
                        timeout=15)
            shots.append((shot, taken))
            time.sleep(max(0.0, taken + interval - time.monotonic()))
        command = ["convert", "-loop", "0"]
        for (shot, taken), (_, following) in zip(shots, shots[1:]):
            command += ["-delay", str(max(2, round(100 * (following - taken) / speed))), shot]
        # Only what changed from one picture to the next is stored.
        command += ["-layers", "Optimize", path]
        session.run(command, timeout=120)
    return len(shots) - 1


def crop(image, left, top, width, height):
    """The part of a shot from (left, top), width x height pixels."""
    row = image.width * 3
    data = b"".join(image.data[(top + y) * row + left * 3:(top + y) * row + (left + width) * 3]
                    for y in range(height))
    return Image(width, height, data)


def stray_pixels(image, core_depth):
    """Pixels off the background (the most common colour) in groups too thin to be anything
    drawn: every line and the queen hold pixels at least core_depth pixels inside their
    group, while what a repaint left behind is a thin sliver or speck."""
    d = image.data
    colours = zip(d[0::3], d[1::3], d[2::3])
    background = Counter(zip(d[0::3], d[1::3], d[2::3])).most_common(1)[0][0]
    painted = {i for i, colour in enumerate(colours) if colour != background}
    width = image.width
    core = painted
    for _ in range(core_depth):
        core = {p for p in core if p % width not in (0, width - 1)
                and all(p + dy + dx in core for dy in (-width, 0, width) for dx in (-1, 0, 1))}
    return sum(len(group) for group in _components(painted, width) if core.isdisjoint(group))


def changed_pixels(before, after):
    """How many pixels differ between two shots of the same size."""
    if (before.width, before.height) != (after.width, after.height):
        raise ValueError("shots of different sizes")
    row = before.width * 3
    count = 0
    for start in range(0, len(before.data), row):
        a, b = before.data[start:start + row], after.data[start:start + row]
        if a != b:
            count += sum(a[i:i + 3] != b[i:i + 3] for i in range(0, row, 3))
    return count


def _components(pixels, width):
    """8-connected groups of a set of flat pixel indices."""
    left = set(pixels)
    groups = []
    while left:
        seed = left.pop()
        group, queue = [seed], deque([seed])
        while queue:
            p = queue.popleft()
            x = p % width
            for dy in (-width, 0, width):
                for dx in (-1, 0, 1):
                    if (dx == -1 and x == 0) or (dx == 1 and x == width - 1):
                        continue
                    q = p + dy + dx
                    if q in left:
                        left.remove(q)
                        group.append(q)
                        queue.append(q)
        groups.append(group)
    return groups


class Blob:
    """A connected group of pixels with its extent and principal axes (lengths of the
    equivalent solid rectangle, from the second moments)."""

    def __init__(self, pixels, width):
        xs = [p % width for p in pixels]
        ys = [p // width for p in pixels]
        n = len(pixels)
        self.area = n
        self.left, self.right, self.top, self.bottom = min(xs), max(xs), min(ys), max(ys)
        self.cx, self.cy = sum(xs) / n, sum(ys) / n
        sxx = sum((x - self.cx) ** 2 for x in xs) / n
        syy = sum((y - self.cy) ** 2 for y in ys) / n
        sxy = sum((x - self.cx) * (y - self.cy) for x, y in zip(xs, ys)) / n
        spread = math.sqrt(((sxx - syy) / 2) ** 2 + sxy ** 2)
        # A solid w x h rectangle has variances (w^2 - 1)/12 and (h^2 - 1)/12 along its axes.
        self.length = math.sqrt(12 * ((sxx + syy) / 2 + spread) + 1)
        self.thickness = math.sqrt(max(0.0, 12 * ((sxx + syy) / 2 - spread)) + 1)

    @property
    def box_width(self):
        return self.right - self.left + 1

    @property
    def box_height(self):
        return self.bottom - self.top + 1

    def __repr__(self):
        return (f"{self.box_width}x{self.box_height} at ({self.cx:.0f},{self.cy:.0f}), "
                f"{self.area} px, length {self.length:.1f}, thickness {self.thickness:.1f}")


def colour_blobs(image, colour):
    """Groups of pixels of exactly this colour, largest first."""
    needle = bytes(colour)
    found, start = [], image.data.find(needle)
    while start >= 0:
        if start % 3 == 0:
            found.append(start // 3)
        start = image.data.find(needle, start + 1)
    blobs = [Blob(g, image.width) for g in _components(found, image.width)]
    return sorted(blobs, key=lambda b: b.area, reverse=True)


def dark_blobs(image, threshold=128):
    """Groups of dark pixels (the platform's default black strokes), largest first."""
    dark = [i for i, v in enumerate(image.luminance()) if v < threshold]
    blobs = [Blob(g, image.width) for g in _components(dark, image.width)]
    return sorted(blobs, key=lambda b: b.area, reverse=True)


def light_blobs(image, threshold=200):
    """Groups of light pixels (white strokes on a dark screensaver; the queen's fill is
    darker than the threshold), largest first."""
    light = [i for i, v in enumerate(image.luminance()) if v > threshold]
    blobs = [Blob(g, image.width) for g in _components(light, image.width)]
    return sorted(blobs, key=lambda b: b.area, reverse=True)


def queen_disc(image, diameter, tolerance=4):
    """The queen: the largest group of fill-coloured pixels, if it is a round disc of about
    the given outer diameter (the outline takes a pixel off each side). Returns (blob, why not)."""
    blobs = colour_blobs(image, QUEEN_FILL)
    if not blobs:
        return None, "no pixel of the queen's fill colour"
    disc = blobs[0]
    if abs(disc.box_width - diameter) > tolerance or abs(disc.box_height - diameter) > tolerance:
        return None, f"fill-coloured area is {disc!r}, not a disc about {diameter} px across"
    # A disc fills pi/4 of its bounding square; a square or a ring would not.
    fill = disc.area / (disc.box_width * disc.box_height)
    if not 0.68 <= fill <= 0.88:
        return None, f"fill-coloured area {disc!r} is not round (fills {fill:.2f} of its box)"
    stray = sum(b.area for b in blobs[1:])
    if stray > disc.area // 5:
        return None, f"{stray} fill-coloured pixels outside the disc {disc!r}"
    return disc, ""


def outline_darkness(image, disc):
    """Share of directions in which a dark pixel lies just outside the disc's edge."""
    radius = (disc.box_width + disc.box_height) / 4
    hits, lum = 0, image.luminance()
    for k in range(36):
        angle = 2 * math.pi * k / 36
        for extra in (0.0, 0.7, 1.4, 2.1):
            x = round(disc.cx + (radius + extra) * math.cos(angle))
            y = round(disc.cy + (radius + extra) * math.sin(angle))
            if 0 <= x < image.width and 0 <= y < image.height and lum[y * image.width + x] < 128:
                hits += 1
                break
    return hits / 36


def line_strokes(image, width, min_length, max_length, light=False):
    """Dark (or light) groups shaped like a single straight stroke of about the given pen
    width."""
    blobs = light_blobs(image) if light else dark_blobs(image)
    return [b for b in blobs
            if abs(b.thickness - width) <= 1.2 and min_length <= b.length <= max_length]


def wait_dark_hive(take_shot, where, scale=1, timeout=10.0):
    """The queen's disc and white drone strokes on black, as screensavers are dark, in a
    picture that take_shot() takes within `timeout` s, at `scale` device pixels to the 96-dpi
    pixel. Those near the queen may touch her. Raises AssertionError naming `where`."""
    deadline, why = time.monotonic() + timeout, ""
    while time.monotonic() < deadline:
        image = take_shot()
        disc, why = queen_disc(image, QUEEN_DIAMETER * scale, tolerance=4 * scale)
        strokes = line_strokes(image, DRONE_PEN_WIDTH * scale,
                               *(n * scale for n in DRONE_STROKE_LENGTH), light=True)
        black = image.data.count(b"\0\0\0") * 3 / len(image.data)
        if disc and strokes and black > 0.9:
            return image
        why = why or ("no white drone strokes" if not strokes
                      else f"only {black:.0%} of the picture is black")
        time.sleep(0.2)
    raise AssertionError(f"no hive seen {where}: {why}")
