# SPDX-FileCopyrightText: 2026 The Drelk developers
# SPDX-License-Identifier: MIT

"""Runs named end-to-end cases in order against one shared fixture and reports each one."""

import subprocess
import sys
import time
import traceback


class CaseFailure(AssertionError):
    pass


class CaseSkipped(Exception):
    """The case cannot run here (what it needs is missing): a skip, never a pass."""


# What ctest takes for a skip (SKIP_RETURN_CODE).
SKIPPED = 77


def skip(reason):
    raise CaseSkipped(reason)


def check(condition, message):
    if not condition:
        raise CaseFailure(message)


def run_cases(cases, fixture):
    """Runs each (name, function(fixture)) in order; returns the process exit status: 1 if
    one failed, else SKIPPED if one could not run here, else 0.

    A case that fails is reported and the rest still run, unless it leaves nothing to test
    (the program gone), in which case the remaining cases are reported as not run. A case
    that cannot run where it is (skip()) is reported as skipped, and counts as neither."""
    failed = skipped = 0
    for index, (name, case) in enumerate(cases):
        start = time.monotonic()
        try:
            case(fixture)
        except CaseSkipped as reason:
            skipped += 1
            print(f"SKIP {name}: {reason}", flush=True)
        except (AssertionError, TimeoutError, subprocess.SubprocessError, ValueError) as error:
            failed += 1
            detail = str(error) or traceback.format_exc()
            if isinstance(error, subprocess.CalledProcessError):
                detail += f": {error.stderr.decode(errors='replace').strip()}"
            print(f"FAIL {name}: {detail}", flush=True)
            if not fixture.program_alive():
                for skipped, _ in cases[index + 1:]:
                    print(f"NOT RUN {skipped}: the program is no longer running", flush=True)
                    failed += 1
                break
        else:
            print(f"ok   {name} ({time.monotonic() - start:.1f} s)", flush=True)
    print(f"{len(cases) - failed - skipped} of {len(cases)} cases passed"
          + (f", {skipped} skipped" if skipped else ""), flush=True)
    return 1 if failed else SKIPPED if skipped else 0


def main_guard(body):
    """Runs body() and turns a broken set-up into a one-line message and exit status 2."""
    try:
        sys.exit(body())
    except (OSError, RuntimeError, subprocess.SubprocessError) as error:
        print(f"error: {error}", file=sys.stderr)
        sys.exit(2)
