#!/usr/bin/env python3
"""Runs VarnoHotkey.exe of a win64 build under Wine on a virtual display, with the stand-ins
beside it, and prints its debug output live until the program ends. Ctrl-C (or SIGTERM) closes
the program with WM_CLOSE, prints its last lines and cleans up; a second Ctrl-C kills it.

Environment: VH_MASK (feature mask, default 0x0FFF), VH_WINDOWS (win7 by default, win10, ...),
VH_STATE (a VendorState.txt to use instead of the default one), VH_RUN_SECONDS (close the
program after that many seconds; default: run until closed)."""

from __future__ import annotations

import argparse
import os
import signal
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402  (needs the path above)

DEFAULT_STATE = """\
# Simulated hardware for a demonstration run; see testbed/standins/README.md.
platform=00 D8
volume=50
mute=0
brightness=55
"""


def print_new_lines(log: harness.DebugLog, printed: int, program_pid: int | None) -> int:
    log.refresh()
    records = [r for r in log.records if r.is_debug_string]
    for record in records[printed:]:
        text = record.text.rstrip("\n")
        source = "" if program_pid is None or record.pid in (None, program_pid) else f"(pid {record.pid}) "
        stamp = f"{record.time:10.3f} " if record.time is not None else ""
        print(f"{stamp}{source}{text}", flush=True)
    return len(records)


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build-dir", default=os.environ.get("VH_BUILD_DIR") or str(harness.SOURCE_ROOT / "build" / "win64"))
    options = parser.parse_args()

    mask = int(os.environ.get("VH_MASK", "0x0FFF"), 0)
    windows = os.environ.get("VH_WINDOWS", "win7") or None
    run_seconds = float(os.environ["VH_RUN_SECONDS"]) if os.environ.get("VH_RUN_SECONDS") else None
    state = Path(os.environ["VH_STATE"]).read_text(encoding="utf-8") if os.environ.get("VH_STATE") else DEFAULT_STATE

    interrupts = 0

    def interrupted(_signum, _frame):
        nonlocal interrupts
        interrupts += 1

    session = harness.WineSession(Path(options.build_dir), keep=os.environ.get("VH_E2E_KEEP") == "1")
    program = None
    try:
        print(f"starting Xvfb and a Wine prefix in {session.work_dir} ...", flush=True)
        session.start()
        session.set_feature_mask(mask)
        session.set_windows_version(windows)
        program = harness.Program(session, session.new_run_folder("main"))
        program.write_state(state)
        print(f"display {session.display}, mask {mask:#06x}, {windows or 'Wine default'}; folder {program.folder}", flush=True)
        signal.signal(signal.SIGINT, interrupted)
        signal.signal(signal.SIGTERM, interrupted)
        program.start(wait_window=False)
        started = time.monotonic()
        printed = 0
        closing = False
        while program.running:
            if program.pid is None:
                found = session.driver("find", harness.CONTROLLER_CLASS)
                if found.ok:
                    program.pid = program.log.pid = int(found["pid"])
                    program.hwnd = int(found["hwnd"], 0)
            printed = print_new_lines(program.log, printed, program.pid)
            timed_out = run_seconds is not None and time.monotonic() - started >= run_seconds
            if (interrupts or timed_out) and not closing:
                closing = True
                print("closing the program with WM_CLOSE ...", flush=True)
                program.post(harness.WM_CLOSE)
                close_started = time.monotonic()
            if closing and (interrupts > 1 or time.monotonic() - close_started > harness.EXIT_TIMEOUT):
                print("the program did not end: killing it", flush=True)
                program.process.kill()
                break
            time.sleep(0.1)
        program.process.wait(10)
        print_new_lines(program.log, printed, program.pid)
        print(f"VarnoHotkey.exe ended with exit code {program.process.returncode}", flush=True)
        return 0
    except harness.HarnessError as error:
        print(f"error: {error}", file=sys.stderr)
        return 1
    except KeyboardInterrupt:  # during the set-up, before the program runs
        print("interrupted", file=sys.stderr)
        return 130
    finally:
        signal.signal(signal.SIGINT, signal.SIG_IGN)
        signal.signal(signal.SIGTERM, signal.SIG_IGN)
        if program is not None and program.running:
            program.process.kill()
        session.stop()


if __name__ == "__main__":
    sys.exit(main())
