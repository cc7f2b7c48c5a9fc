"""The on-screen display under Wine: the volume, mute and brightness keys (posted to the controller
as the hook would, before Windows 8) change the stand-in's state and show the level picture in a
layered topmost popup centred on the 1920x1080 screen, checked pixel by pixel on the virtual
screen; the display ends by its timer or at once on the Escape release, and a full-screen
foreground window keeps it off the screen while the keys still act.

Wine without a window manager takes about 2 s to destroy an activated window: its X11 driver waits
for a window-manager state change that never comes, and until then the window's handle and its
pixels stay, although the window no longer counts as visible. The OSD is activated when it is
placed, so "ended" below means "no longer visible"; the handle and the pixels are checked with
that delay allowed for."""

import functools
import subprocess
import time
import unittest
from pathlib import Path
from typing import Optional

from harness import NOT_GUEST, SOURCE_ROOT, WM_VARNO_HOTKEY, DriverResult, HarnessError, ProgramTestCase, poll

MASK = 0x0001 | 0x0002  # volume and brightness
OSD_TITLE = "Function_control_window"
OSD_LEFT, OSD_TOP, OSD_WIDTH, OSD_HEIGHT = 865, 483, 190, 114  # centred on 1920x1080
DISPLAY_PERIOD = 3.0

RELEASED = 0x81  # release of an extended key, not injected
VOLUME_UP, VOLUME_DOWN, MUTE = 0x2D, 0x28, 0x6F
BRIGHTNESS_UP, BRIGHTNESS_DOWN = 0x06, 0x05
ESCAPE, ESCAPE_RELEASED = 0x01, 0x80

WS_POPUP = 0x80000000
WS_CAPTION = 0x00C00000
WS_EX_TOPMOST = 0x00000008
WS_EX_TRANSPARENT = 0x00000020
WS_EX_TOOLWINDOW = 0x00000080
WS_EX_LAYERED = 0x00080000
WS_EX_NOACTIVATE = 0x08000000

PICTURES = SOURCE_ROOT / "res" / "png"
CHANNEL_TOLERANCE = 8
SCREEN_TIMEOUT = 5.0  # for a picture to reach the screen after its display started

SHOW_IMAGE = "[Function_UI] ShowImage"
ON_CLOSE = "[Function_UI] OnClose"
INIT_DIALOG = "[VarnoHotkey] InitFuncUIDlg"


# --------------------------------------------------------------------------------------------
# Pictures


@functools.lru_cache(maxsize=None)
def picture_pixels(picture_id: int) -> bytes:
    """A shipped picture as 8-bit RGB; the pictures are opaque, so their alpha is dropped."""
    path = PICTURES / f"{picture_id}.png"
    converted = subprocess.run(["convert", str(path), "-alpha", "off", "-depth", "8", "rgb:-"],
                               check=True, timeout=60, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE)
    return converted.stdout


def mismatches(actual: bytes, expected: bytes) -> tuple[int, int]:
    """(samples further apart than the tolerance, largest difference); different sizes count as
    every sample wrong."""
    if len(actual) != len(expected):
        return max(len(actual), len(expected)), 255
    differences = [abs(a - b) for a, b in zip(actual, expected)]
    return sum(d > CHANNEL_TOLERANCE for d in differences), max(differences, default=0)


def closest_picture(actual: bytes) -> tuple[Optional[int], int]:
    """The shipped OSD-sized picture that the pixels resemble most, with its mismatch count."""
    best: tuple[Optional[int], int] = (None, len(actual))
    for path in sorted(PICTURES.glob("*.png")):
        if not path.stem.isdecimal():
            continue
        expected = picture_pixels(int(path.stem))
        if len(expected) == len(actual):
            count = mismatches(actual, expected)[0]
            if count < best[1]:
                best = (int(path.stem), count)
    return best


def save_rgb(pixels: bytes, path: Path) -> None:
    subprocess.run(["convert", "-size", f"{OSD_WIDTH}x{OSD_HEIGHT}", "-depth", "8", "rgb:-", f"png:{path}"],
                   input=pixels, check=True, timeout=60)


# --------------------------------------------------------------------------------------------


class OsdTestCase(ProgramTestCase):
    def start(self, state):
        program = self.launch(MASK, "win7", state)
        program.wait_for_line(NOT_GUEST)
        return program

    def press(self, program, scan, flags=RELEASED):
        posted = program.post(WM_VARNO_HOTKEY, flags, scan)
        self.assertTrue(posted.ok, posted.output)

    def post_and_watch(self, program, scan, timeout_ms=5000, flags=RELEASED) -> DriverResult:
        """Posts the key and watches for the OSD window to become visible (driver post-watch)."""
        return self.session.driver("post-watch", f"hwnd={program.hwnd:#x}", hex(WM_VARNO_HOTKEY), hex(flags),
                                   hex(scan), OSD_TITLE, timeout_ms)

    def wait_lines(self, program, test, count, timeout=10.0) -> list:
        """The debug records whose text passes test, once there are at least count of them."""
        def enough():
            records = [r for r in program.log.debug_records() if test(r.text)]
            return records if len(records) >= count else None

        records = poll(enough, timeout)
        self.assertTrue(records, f"fewer than {count} matching lines within {timeout} s; lines: {program.lines()}")
        return records

    def screen_crop(self) -> bytes:
        return self.session.screen_pixels(OSD_LEFT, OSD_TOP, OSD_WIDTH, OSD_HEIGHT)

    def assertScreenShows(self, program, picture_id, timeout=SCREEN_TIMEOUT):
        """The OSD's place on the screen holds the picture, each channel within the tolerance; the
        screen is read again until it does or the time is up."""
        expected = picture_pixels(picture_id)
        deadline = time.monotonic() + timeout
        while True:
            actual = self.screen_crop()
            count, largest = mismatches(actual, expected)
            if count == 0 or time.monotonic() >= deadline:
                break
            time.sleep(0.1)
        if count:
            saved = program.folder / f"screen-{picture_id}.png"
            save_rgb(actual, saved)
            similar, similar_count = closest_picture(actual)
            self.fail(f"picture {picture_id} not on the screen: {count} samples off by more than "
                      f"{CHANNEL_TOLERANCE} (largest {largest}); closest shipped picture {similar} "
                      f"({similar_count} samples off); crop saved as {saved}")

    def assertHiddenWithin(self, timeout_ms) -> float:
        """Waits until no OSD window is visible; returns the seconds waited (as seen from here)."""
        started = time.monotonic()
        hidden = self.session.driver("wait-window-gone", OSD_TITLE, timeout_ms, "hidden")
        elapsed = time.monotonic() - started
        self.assertTrue(hidden.ok, f"the OSD is still visible after {elapsed:.1f} s: {hidden.output}")
        return elapsed

    def assertDestroyed(self):
        # Allows for Wine's delay after an activated window was taken off the screen.
        gone = self.session.driver("wait-window-gone", OSD_TITLE, 6000)
        self.assertTrue(gone.ok, f"the OSD window still exists: {gone.output}")


class OsdWindowTest(OsdTestCase):
    def test_volume_display_window_and_its_period(self):
        program = self.start({"volume": 50, "mute": 0})
        posted_at = time.monotonic()
        shown = self.post_and_watch(program, VOLUME_UP)
        self.assertTrue(shown.ok, f"no visible OSD window: {shown.output}")
        self.assertEqual(program.read_state().get("volume"), "60")

        self.assertEqual(shown["title"], OSD_TITLE)
        self.assertEqual(shown["rect"], f"{OSD_LEFT},{OSD_TOP},{OSD_LEFT + OSD_WIDTH},{OSD_TOP + OSD_HEIGHT}")
        self.assertEqual((shown["pid"], shown.number("owner")), (str(program.pid), program.hwnd), shown.output)
        style, exstyle = shown.number("style"), shown.number("exstyle")
        self.assertEqual(style & (WS_POPUP | WS_CAPTION), WS_POPUP, hex(style))
        self.assertEqual(exstyle & (WS_EX_TOPMOST | WS_EX_LAYERED), WS_EX_TOPMOST | WS_EX_LAYERED, hex(exstyle))
        self.assertEqual(exstyle & (WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE), 0, hex(exstyle))
        self.assertScreenShows(program, 238)  # bar style, level 6

        self.assertHiddenWithin(9000)
        hidden_after = time.monotonic() - posted_at
        self.assertTrue(2.0 <= hidden_after <= 6.0, f"the OSD left the screen {hidden_after:.1f} s after the key")
        shown_at = program.wait_for_line(SHOW_IMAGE).time
        closed_at = program.wait_for_line(ON_CLOSE).time
        self.assertTrue(2.5 <= closed_at - shown_at <= 4.5, f"closed {closed_at - shown_at:.3f} s after ShowImage")
        self.assertDestroyed()
        self.assertNotEqual(mismatches(self.screen_crop(), picture_pixels(238))[0], 0, "the picture stayed on the screen")

    def test_volume_steps_replace_the_picture_in_place(self):
        # (state before the key, key, volume and mute after it, level, picture); one window for all.
        cases = {
            "00 00": [  # bar style
                ({"volume": 50}, VOLUME_UP, ("60", "0"), 6, 238),
                ({"volume": 55}, VOLUME_DOWN, ("40", "0"), 4, 236),
                ({"volume": 100}, VOLUME_UP, ("100", "0"), 10, 242),
                ({"volume": 0}, VOLUME_DOWN, ("0", "0"), 0, 232),
                ({"volume": 30, "mute": 1}, VOLUME_DOWN, ("20", "0"), 2, 234),
            ],
            "00 D8": [  # arc style
                ({"volume": 20}, VOLUME_UP, ("30", "0"), 3, 207),
                ({"volume": 10}, VOLUME_DOWN, ("0", "0"), 0, 194),
            ],
        }
        for platform, steps in cases.items():
            with self.subTest(platform=platform):
                program = self.start({"platform": platform})
                window = None
                for number, (state, key, after, level, picture) in enumerate(steps, 1):
                    with self.subTest(state=state, key=hex(key)):
                        program.write_state({"platform": platform, "mute": 0, **state})
                        self.press(program, key)
                        set_line = self.wait_lines(program, lambda t: t.startswith("[Function_UI] Set Volume Levels:"), number)[-1]
                        self.assertEqual(set_line.text, f"[Function_UI] Set Volume Levels:{level} Value:{level * 10}\n")
                        state_after = program.read_state()
                        self.assertEqual((state_after.get("volume"), state_after.get("mute")), after)
                        self.assertScreenShows(program, picture)
                        found = self.session.driver("wait-window", OSD_TITLE, 0)
                        self.assertEqual(found.get("visible"), "1", found.output)
                        window = window or found["hwnd"]
                        self.assertEqual(found["hwnd"], window, "a new window instead of the visible one")
                program.stop()

    def test_mute_key_twice(self):
        program = self.start({"volume": 40, "mute": 0})
        for number, (mute_after, picture) in enumerate((("1", 156), ("0", 155)), 1):
            with self.subTest(mute_after=mute_after):
                self.press(program, MUTE)
                self.wait_lines(program, lambda t: t == "[Function_UI] Show Window Mute\n", number)
                self.assertTrue(poll(lambda: program.read_state().get("mute") == mute_after, 5), program.read_state())
                self.assertScreenShows(program, picture)
        self.assertEqual(program.read_state().get("volume"), "40")

    def test_brightness_level_from_the_panel_levels(self):
        program = self.start({"levels": "5,15,30,45,60,75,90,100", "brightness": 50})
        # (brightness, key, level, value of that level, picture)
        cases = [
            (50, BRIGHTNESS_UP, 4, 60, 152),
            (50, BRIGHTNESS_DOWN, 4, 60, 144),
            (3, BRIGHTNESS_DOWN, 0, 5, 140),
            (120, BRIGHTNESS_UP, 7, 100, 139),
        ]
        for number, (brightness, key, level, value, picture) in enumerate(cases, 1):
            with self.subTest(brightness=brightness, key=hex(key)):
                program.write_state({"levels": "5,15,30,45,60,75,90,100", "brightness": brightness})
                self.press(program, key)
                line = self.wait_lines(program, lambda t: t.startswith("[Function_UI] BrightnessNumber:"), number)[-1]
                self.assertEqual(line.text, f"[Function_UI] BrightnessNumber: {brightness}\tBrightnessLevel: {level}"
                                            f"\tWMIGetBrightness:{value}\n")
                self.assertScreenShows(program, picture)

        # A brightness that can't be read closes the display instead.
        program.write_state({"levels": "5,15,30,45,60,75,90,100", "brightness": -1})
        self.press(program, BRIGHTNESS_UP)
        program.wait_for_line("\n\n\n=========[Function_UI] Guest deny==========\n\n\n")
        program.wait_for_line(ON_CLOSE)
        self.assertLess(self.assertHiddenWithin(3000), 2.0)

    def test_escape_release_ends_the_display_at_once(self):
        program = self.start({"volume": 50})
        shown = self.post_and_watch(program, VOLUME_UP)
        self.assertTrue(shown.ok, f"no visible OSD window: {shown.output}")
        self.press(program, ESCAPE, ESCAPE_RELEASED)
        self.assertLess(self.assertHiddenWithin(3000), 1.5)
        shown_at = program.wait_for_line(SHOW_IMAGE).time
        closed_at = program.wait_for_line(ON_CLOSE).time
        self.assertLess(closed_at - shown_at, DISPLAY_PERIOD - 1.0, "closed by the display timer, not by the key")
        self.assertDestroyed()


class OsdSuppressionTest(OsdTestCase):
    def front_window(self, title, width, height):
        """A visible window of the driver's, brought to the foreground; closed when the test ends
        or by close_front."""
        process = self.session.start_driver("front", title, 120000, width, height, name="front")
        self.addCleanup(self.close_front, title, process)
        shown = self.session.driver("wait-window", title, 15000)
        if not shown.ok:
            raise HarnessError(f"the driver's window {title!r} did not appear: {shown.output}")
        front = self.session.driver("foreground")
        if front.get("hwnd") != shown["hwnd"]:
            raise HarnessError(f"the driver's window {title!r} is not in the foreground: {front.output}")
        return process

    def close_front(self, title, process):
        if process.poll() is None:
            self.session.driver("close-window", title, 10000)
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait(10)

    def test_full_screen_foreground_window_keeps_the_display_away(self):
        program = self.start({"volume": 50, "mute": 0, "brightness": 50})
        displays = 0
        # The title alone, whatever the size, and the size alone, whatever the title.
        for title, width, height in (("FullScreenTopLayout", 400, 300), ("Video", 1920, 1080)):
            with self.subTest(title=title):
                first_line = len(program.lines())
                volume = int(program.read_state()["volume"])
                front = self.front_window(title, width, height)
                for key in (VOLUME_UP, MUTE, BRIGHTNESS_UP):
                    watched = self.post_and_watch(program, key, timeout_ms=1500)
                    self.assertEqual(watched.get("visible_us"), "-1", f"key {key:#x} showed the OSD: {watched.output}")
                    self.assertEqual(watched.get("layered_us"), "-1", f"key {key:#x} composed a frame: {watched.output}")
                    displays += 1
                self.wait_lines(program, lambda t: t == INIT_DIALOG, displays)
                state = program.read_state()
                self.assertEqual((state.get("volume"), state.get("mute")), (str(volume + 10), "1"))
                self.assertNoLine(program.lines()[first_line:], "[Function_UI] Get Brightness level")
                self.assertNoLine(program.lines()[first_line:], SHOW_IMAGE)

                # Once the window is gone, the next key shows the display again.
                self.close_front(title, front)
                shown = self.post_and_watch(program, VOLUME_UP)
                displays += 1
                self.assertTrue(shown.ok, f"no OSD after the foreground window closed: {shown.output}")
                self.assertScreenShows(program, 232 + (volume + 20) // 10)
                self.press(program, ESCAPE, ESCAPE_RELEASED)
                self.assertHiddenWithin(3000)
                self.assertDestroyed()


if __name__ == "__main__":
    unittest.main()
