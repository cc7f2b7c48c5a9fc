#!/usr/bin/env python3
"""Runs the end-to-end scenarios (every test_*.py beside this file, or the names given) in one
Wine session and prints a summary. Exit code 0 only when every test passed."""

from __future__ import annotations

import argparse
import os
import sys
import time
import unittest
from pathlib import Path
from typing import Optional, Sequence

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import harness  # noqa: E402  (needs the path above)


def main(argv: Optional[Sequence[str]] = None) -> int:
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--build-dir", default=os.environ.get("VH_BUILD_DIR") or str(harness.SOURCE_ROOT / "build" / "win64"))
    parser.add_argument("--keep", action="store_true", help="keep the run folders and their logs")
    parser.add_argument("-v", "--verbose", action="store_true", help="one line per test")
    parser.add_argument("tests", nargs="*", help="e.g. test_startup or test_startup.StartupTest.test_x")
    options = parser.parse_args(argv)
    os.environ["VH_BUILD_DIR"] = options.build_dir
    if options.keep:
        os.environ["VH_E2E_KEEP"] = "1"

    loader = unittest.TestLoader()
    suite = loader.loadTestsFromNames(options.tests) if options.tests else loader.discover(str(HERE), "test_*.py")
    started = time.monotonic()
    result: Optional[unittest.TestResult] = None
    work: Optional[Path] = None
    keep = False
    try:
        current = harness.session()
        print(f"session: display {current.display}, work folder {current.work_dir}", flush=True)
        result = unittest.TextTestRunner(verbosity=2 if options.verbose else 1, stream=sys.stdout).run(suite)
    finally:
        passed = result is not None and result.wasSuccessful()
        current = harness.current_session()
        if current:
            current.keep = current.keep or not passed  # the run folders hold the logs worth reading
            keep, work = current.keep, current.work_dir
        harness.stop_session()
        elapsed = time.monotonic() - started
        if result is None:
            print(f"\nsummary: the session could not be set up ({elapsed:.0f} s)")
        else:
            print(
                f"\nsummary: {result.testsRun} run, {len(result.failures)} failed, {len(result.errors)} errors, "
                f"{len(result.skipped)} skipped in {elapsed:.0f} s"
            )
        if work and keep:
            print(f"logs: {work / 'runs'}")
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main())
