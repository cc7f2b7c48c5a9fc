#!/usr/bin/env python3
"""Times the OSD under Wine: from posting a volume key to the controller window until the
display is on the screen, over many displays. Prints figures only; nothing is asserted.

Each round posts the volume key (up and down in turn, from volume 50, bar style) with the
driver's post-watch command, which posts the message and then polls the OSD window every
millisecond from its own process, timing with the performance counter:

  layered   post -> the window carries WS_EX_LAYERED. The program adds it just before its
            UpdateLayeredWindow call, so this is the time up to the layered update.
  visible   post -> the window is visible. ShowWindow follows the layered update, so this is the
            time up to just after it (the picture is then composed and placed).

The polling adds up to about one round (a millisecond or two) to both. From the program's own
debug lines (Wine's +timestamp, milliseconds of the tick count that the driver also reads at the
post) come two more figures, in whole milliseconds:

  composing post -> "[Function_UI] Translucent display" (picture decoded, frame being composed)
  shown     post -> "OnShowWindow show window" (after the layered update)

Every round starts on a fresh window, as a display after an ended one does: the round ends the
display with the Escape release and waits until Wine has destroyed the window (Wine without a
window manager takes about 2 s for that, during which the program's thread is blocked), so a
round takes about 3 s. The first round (first window, first picture decoded) is printed on its
own and left out of the figures.

usage: testbed/e2e/bench_osd.py [--build-dir build/win64] [--rounds 50] [--keep]
"""

from __future__ import annotations

import argparse
import os
import statistics
import sys
import time
from pathlib import Path
from typing import Optional, Sequence

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import harness  # noqa: E402  (needs the path above)
from harness import NOT_GUEST, WM_VARNO_HOTKEY, Program, poll  # noqa: E402

MASK = 0x0003  # volume and brightness
OSD_TITLE = "Function_control_window"
VOLUME_UP, VOLUME_DOWN, RELEASED = 0x2D, 0x28, 0x81
ESCAPE, ESCAPE_RELEASED = 0x01, 0x80
COMPOSING = "[Function_UI] Translucent display"
SHOWN = "---------- [Function_UI] OnShowWindow show window ----------\n"


def tick_difference_ms(record_time: float, post_tick: int) -> int:
    """A debug line's time (32-bit tick count in seconds) minus the driver's 64-bit tick at the post."""
    difference = (round(record_time * 1000) - post_tick) % (1 << 32)
    return difference - (1 << 32) if difference >= 1 << 31 else difference


def nth_line(program: Program, text: str, n: int, timeout: float = 10.0) -> Optional[harness.Record]:
    def found():
        records = [r for r in program.log.debug_records() if r.text == text]
        return records[n - 1] if len(records) >= n else None

    return poll(found, timeout)


def one_round(session: harness.WineSession, program: Program, number: int) -> dict[str, float]:
    key = VOLUME_UP if number % 2 else VOLUME_DOWN
    watched = session.driver("post-watch", f"hwnd={program.hwnd:#x}", hex(WM_VARNO_HOTKEY), hex(RELEASED),
                             hex(key), OSD_TITLE, 5000)
    if not watched.ok or watched.number("layered_us") < 0:
        raise harness.HarnessError(f"round {number}: no visible OSD: {watched.output}")
    post_tick = watched.number("post_tick")
    composing = nth_line(program, COMPOSING, number)
    shown = nth_line(program, SHOWN, number)
    if not composing or not shown:
        raise harness.HarnessError(f"round {number}: the program's lines are missing")

    posted = program.post(WM_VARNO_HOTKEY, ESCAPE_RELEASED, ESCAPE)
    gone = session.driver("wait-window-gone", OSD_TITLE, 10000)
    if not posted.ok or not gone.ok:
        raise harness.HarnessError(f"round {number}: the display did not end: {posted.output} {gone.output}")
    return {
        "layered": watched.number("layered_us") / 1000,
        "visible": watched.number("visible_us") / 1000,
        "composing": tick_difference_ms(composing.time, post_tick),
        "shown": tick_difference_ms(shown.time, post_tick),
    }


def main(argv: Optional[Sequence[str]] = None) -> int:
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build-dir", default=os.environ.get("VH_BUILD_DIR") or str(harness.SOURCE_ROOT / "build" / "win64"))
    parser.add_argument("--rounds", type=int, default=50, help="displays to time after the first (default 50)")
    parser.add_argument("--keep", action="store_true", help="keep the run folder and its logs")
    options = parser.parse_args(argv)
    os.environ["VH_BUILD_DIR"] = options.build_dir
    if options.keep:
        os.environ["VH_E2E_KEEP"] = "1"

    started = time.monotonic()
    session = harness.session()
    program: Optional[Program] = None
    try:
        session.set_feature_mask(MASK)
        session.set_windows_version("win7")
        program = Program(session, session.new_run_folder("bench_osd"))
        program.write_state({"volume": 50, "mute": 0})
        program.start()
        program.wait_for_line(NOT_GUEST)

        first = one_round(session, program, 1)
        rounds = [one_round(session, program, n) for n in range(2, options.rounds + 2)]
    finally:
        if program:
            program.stop()
        harness.stop_session()

    print(f"OSD under Wine: post of the volume key -> display, {len(rounds)} rounds on a fresh window "
          f"(+1 first round), {time.monotonic() - started:.0f} s in all")
    print(f"{'ms after the post':<48}{'first':>8}{'min':>8}{'median':>8}{'max':>8}")
    labels = {
        "layered": "WS_EX_LAYERED set (before the layered update)",
        "visible": "window visible (after the layered update)",
        "composing": "'Translucent display' line",
        "shown": "'OnShowWindow show window' line",
    }
    for key, label in labels.items():
        values = [r[key] for r in rounds]
        figures = (first[key], min(values), statistics.median(values), max(values)) if values else (first[key],)
        print(f"{label:<48}" + "".join(f"{v:8.1f}" for v in figures))
    return 0


if __name__ == "__main__":
    sys.exit(main())
