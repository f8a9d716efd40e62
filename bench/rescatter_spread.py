#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
"""How much of the time the ten drones are gathered (every head within 900 twips, 60 pixels
at 96 dpi, of every other) with each rescatter period, at each screen size, measured with
drelk-sim: the numbers behind the default of the places made for leaving drelk on.

    rescatter_spread.py DRELK_SIM [--sizes 960x540,1280x800,...] [--hours 0.5]
                        [--seeds 1-4] [--periods auto,0,60,...]

Sizes are in logical pixels of 15 twips (96 dpi). Prints a table: for each size and period
(auto, or seconds, 0 for never), the share of seconds gathered over the seeds (their mean,
and the lowest and highest seed's), and the shortest time between two starts of the flight
in any run. Heads are sampled once a second; a start is a tick that puts the queen back at
her start.
"""

import argparse
import itertools
import math
import subprocess
import sys

GATHERED_TWIPS = 900
TWIPS_PER_PIXEL = 15
QUEEN_START = ("3960", "3000")


def run(sim, size, seconds, seed, period):
    """The share of the run's seconds at which the drones are gathered, and the shortest
    gap in ticks between two starts of the flight (None with fewer than two)."""
    width, height = (int(side) * TWIPS_PER_PIXEL for side in size.split("x"))
    command = [sim, "--window", f"{width}x{height}", "--ticks", str(seconds * 10),
               "--seed", str(seed), "--rescatter", period]
    rows = subprocess.run(command, check=True, capture_output=True, text=True).stdout
    gathered = samples = 0
    starts = [0]
    for line in rows.splitlines()[2:]:  # past the header and the start-up scatter
        fields = line.split(",")
        tick = int(fields[0])
        if (fields[2], fields[3]) == QUEEN_START:
            starts.append(tick)
        if tick % 10:
            continue
        heads = [(int(fields[5 + 8 * d]), int(fields[6 + 8 * d])) for d in range(10)]
        samples += 1
        gathered += all(math.dist(a, b) <= GATHERED_TWIPS
                        for a, b in itertools.combinations(heads, 2))
    gaps = [b - a for a, b in zip(starts, starts[1:])]
    return gathered / samples, min(gaps, default=None)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("sim", help="the drelk-sim program")
    parser.add_argument("--sizes", default="960x540,1280x800,1920x1080,2560x1440,3840x2160",
                        help="screens in logical pixels, comma-separated")
    parser.add_argument("--hours", type=float, default=0.5, help="length of each run")
    parser.add_argument("--seeds", default="1-4", help="first-last")
    parser.add_argument("--periods", default="auto",
                        help="rescatter periods: auto, or seconds, 0 for never")
    args = parser.parse_args()
    first, last = (int(s) for s in args.seeds.split("-"))
    seeds = range(first, last + 1)
    seconds = round(args.hours * 3600)
    print(f"# gathered share, {args.hours:g} h runs, seeds {args.seeds}, sampled each second")
    print("| size (pixels) | rescatter | gathered, mean | lowest seed | highest seed "
          "| shortest gap |")
    print("|---|---|---:|---:|---:|---:|")
    for size in args.sizes.split(","):
        for period in args.periods.split(","):
            results = [run(args.sim, size, seconds, s, period) for s in seeds]
            shares = [share for share, _ in results]
            gaps = [gap for _, gap in results if gap is not None]
            shortest = f"{min(gaps) / 10:g} s" if gaps else "-"
            name = "never" if period == "0" else period if period == "auto" else f"{period} s"
            print(f"| {size} | {name} | {sum(shares) / len(shares):.0%} | {min(shares):.0%} "
                  f"| {max(shares):.0%} | {shortest} |", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
