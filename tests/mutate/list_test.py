#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT
"""The faults `scripts/mutate --list` finds in sample.cpp, held against the `want:` comment of
each line of it: every fault kind found where it belongs, none in comments, strings,
preprocessor lines, declarations or a call's continuation.

    list_test.py MUTATE_SCRIPT SAMPLE_FILE
"""

import re
import subprocess
import sys

script, sample = sys.argv[1:]
wanted = {}
with open(sample) as f:
    for number, line in enumerate(f, start=1):
        m = re.search(r"// want:(.*)", line)
        if m and m.group(1).strip():
            wanted[number] = set(m.group(1).strip().split(", "))
listing = subprocess.run([script, "--list", sample], check=True, text=True,
                         capture_output=True).stdout
found = {}
for line in listing.splitlines()[:-1]:
    number, operator = re.match(r"[^:]+:(\d+): (.+?): ", line).groups()
    found.setdefault(int(number), set()).add(operator)
for number in sorted(set(wanted) | set(found)):
    if wanted.get(number) != found.get(number):
        print(f"line {number}: wanted {sorted(wanted.get(number, []))}, "
              f"found {sorted(found.get(number, []))}")
sys.exit(0 if wanted == found else 1)
