#!/usr/bin/env python3
"""Runs Lumivex's end-to-end cases under Wine on a virtual display.

    run_e2e.py --bin build/win64 --out build/native/e2e prefix
    run_e2e.py --bin build/win64 --out build/native/e2e prefix_dpi144 dpi_layout
    run_e2e.py --bin build/win64 --out build/native/e2e --display 41 main_window pick_hex
    run_e2e.py --list

The display defaults to $LUMIVEX_E2E_DISPLAY, else 40.

'prefix' makes the Wine prefix the cases share (once; later runs reuse it);
'prefix_dpi144' one whose system DPI is 144, 'prefix_unmanaged' one where
Lumivex's windows are not handed to a window manager, for the cases that
ask for them.
Each case starts its own Xvfb, Lumivex and the fixture, drives the real
mouse, reads Lumivex's controls with the probe, and leaves numbered
screenshots and logs in <out>/<case>/. Exit status 0 only if every check of
every case passed.
"""

import argparse
import os
import signal
import sys
import time
import traceback
from pathlib import Path

# Keep the source tree free of __pycache__ folders.
sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parent))

from cases import load_all  # noqa: E402
from harness import PREFIX_VARIANTS, Harness, Stage, prefix_dir  # noqa: E402
from wine import WineSession  # noqa: E402

SOURCE_DIR = Path(__file__).resolve().parents[3]


class CaseTimeout(Exception):
    pass


def _raise_timeout(signum, frame):
    raise CaseTimeout("the case ran out of time")


def _raise_exit(signum, frame):
    # ctest ends a test that runs too long with SIGTERM: leave through the
    # finally blocks, which end Wine and Xvfb.
    raise SystemExit(f"stopped by signal {signum}")


def make_prefix(args, variant=None):
    logs = Path(args.out) / (f"{variant}-logs" if variant else "prefix-logs")
    session = WineSession(prefix_dir(args.out, variant), args.display, logs)
    if session.prefix_ready():
        print(f"prefix {session.prefix} is ready")
        return 0
    started = time.monotonic()
    try:
        session.start_display()
        session.make_prefix(PREFIX_VARIANTS.get(variant, ()))
    finally:
        session.stop()
    print(f"prefix {session.prefix} made in {time.monotonic() - started:.1f} s")
    return 0


def run_case(args, name, function):
    print(f"=== {name}", flush=True)
    started = time.monotonic()
    signal.alarm(args.case_timeout)
    try:
        world = (Stage(args.bin, args.out, args.display, name, function.prefix_variant) if function.bare
                 else Harness(args.bin, args.out, args.display, SOURCE_DIR, name, function.prefix_variant))
        with world as h:
            try:
                function(h)
            except Exception:
                h.log("ERROR " + traceback.format_exc())
                h.shot("error")
                h.check.failures.append(f"{name} stopped early (see above)")
            checks, failures = h.check.count, list(h.check.failures)
    except Exception:
        traceback.print_exc()
        return False
    finally:
        signal.alarm(0)
    seconds = time.monotonic() - started
    if failures:
        print(f"=== {name}: {len(failures)} of {checks} checks FAILED in {seconds:.1f} s", flush=True)
        for failure in failures:
            print(f"  {failure}")
        return False
    if checks == 0:
        print(f"=== {name}: made no checks", flush=True)
        return False
    print(f"=== {name}: {checks} checks passed in {seconds:.1f} s; screenshots in {Path(args.out) / name}",
          flush=True)
    return True


def main():
    cases = load_all()
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--bin", type=Path, help="folder with Lumivex.exe, LumivexFixture.exe, LumivexProbe.exe")
    parser.add_argument("--out", type=Path, help="folder for the prefix, screenshots and logs")
    parser.add_argument("--display", type=int, default=int(os.environ.get("LUMIVEX_E2E_DISPLAY", "40")),
                        help="X display number to use (default $LUMIVEX_E2E_DISPLAY, else 40)")
    # A deadline for a case that hangs, far above what a case takes on a
    # loaded machine (two minutes): not a measure of speed.
    parser.add_argument("--case-timeout", type=int, default=400, help="seconds a case may take")
    parser.add_argument("--list", action="store_true", help="list the cases and stop")
    parser.add_argument("steps", nargs="*", help="'prefix' and/or case names")
    args = parser.parse_args()
    if args.list:
        print("\n".join(["prefix", *PREFIX_VARIANTS, *cases]))
        return 0
    if not args.bin or not args.out or not args.steps:
        parser.error("--bin, --out and at least one step are needed")
    # Wine takes only an absolute WINEPREFIX.
    args.out = args.out.resolve()
    args.bin = args.bin.resolve()
    unknown = [s for s in args.steps if s != "prefix" and s not in PREFIX_VARIANTS and s not in cases]
    if unknown:
        parser.error(f"unknown cases: {', '.join(unknown)}")

    signal.signal(signal.SIGALRM, _raise_timeout)
    signal.signal(signal.SIGTERM, _raise_exit)
    ok = True
    for step in args.steps:
        if step == "prefix":
            ok = make_prefix(args) == 0 and ok
        elif step in PREFIX_VARIANTS:
            ok = make_prefix(args, step) == 0 and ok
        else:
            ok = run_case(args, step, cases[step]) and ok
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
