#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
"""How much of the time the ten drones are gathered (every head within 900 twips, 60 pixels
at 96 dpi, of every other) with each rescatter period, measured with drelk-sim: the numbers
behind the default period of the places made for leaving drelk on.

    rescatter_spread.py DRELK_SIM [--window 28800x16200] [--hours 1] [--seeds 1-8]
                        [--periods 0,15,30,...]

Prints a table: for each period (0: never), the share of seconds gathered for each seed,
over all the seeds together, and the worst seed's. Heads are sampled once a second.
"""

import argparse
import itertools
import math
import subprocess
import sys

GATHERED_TWIPS = 900


def gathered_share(sim, window, seconds, seed, period):
    """The share of the run's seconds at which the drones are gathered."""
    command = [sim, "--window", window, "--ticks", str(seconds * 10), "--every", "10",
               "--seed", str(seed), "--rescatter", str(period)]
    rows = subprocess.run(command, check=True, capture_output=True, text=True).stdout
    gathered = samples = 0
    for line in rows.splitlines()[2:]:  # past the header and the start-up scatter
        fields = line.split(",")
        heads = [(int(fields[5 + 8 * d]), int(fields[6 + 8 * d])) for d in range(10)]
        samples += 1
        gathered += all(math.dist(a, b) <= GATHERED_TWIPS
                        for a, b in itertools.combinations(heads, 2))
    return gathered / samples


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("sim", help="the drelk-sim program")
    parser.add_argument("--window", default="28800x16200",
                        help="the screen in twips (default 1920 x 1080 pixels at 96 dpi)")
    parser.add_argument("--hours", type=float, default=1.0, help="length of each run")
    parser.add_argument("--seeds", default="1-8", help="first-last")
    parser.add_argument("--periods", default="0,15,20,30,45,60,90,120,180,300",
                        help="rescatter periods in seconds, 0 for never")
    args = parser.parse_args()
    first, last = (int(s) for s in args.seeds.split("-"))
    seeds = range(first, last + 1)
    seconds = round(args.hours * 3600)
    print(f"# gathered share, {args.window} twips, {args.hours:g} h runs, sampled each second")
    print("| period s | " + " | ".join(f"seed {s}" for s in seeds) + " | all | worst |")
    print("|---:|" + "---:|" * (len(seeds) + 2))
    for period in (int(p) for p in args.periods.split(",")):
        shares = [gathered_share(args.sim, args.window, seconds, s, period) for s in seeds]
        cells = " | ".join(f"{share:.0%}" for share in shares)
        print(f"| {period or 'never'} | {cells} | {sum(shares) / len(shares):.0%} | "
              f"{max(shares):.0%} |", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
