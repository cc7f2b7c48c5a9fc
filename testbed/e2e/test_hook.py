"""The low-level keyboard hook as Wine's hook channel shows it: installed once at start-up, fed
by keys from SendInput of another process, and installed afresh 5000 ms after the last key that
the program did not consume, replacing the old hook rather than adding one."""

import time
import unittest

from harness import ProgramTestCase, poll

PLAIN_KEY = 0x1E  # no row of the dispatch takes it, so every press and release restarts timer 0
REINSTALL_DELAY = 5.0
TOLERANCE = (-0.3, 1.5)  # timer and scheduling slack under Wine, in seconds


class KeyboardHookTest(ProgramTestCase):
    def setUp(self):
        self.program = self.launch(0x0401, "win7", debug_channels=["trace+hook"])
        self.assertTrue(poll(self.program.hook_installs, 15), "no keyboard hook installed at start-up")

    def key(self, scan=PLAIN_KEY, extended=0):
        """Injects a press and a release; returns the two hook calls they caused."""
        before = len(self.program.hook_calls())
        result = self.session.driver("key", hex(scan), extended)
        self.assertTrue(result.ok, result.output)
        calls = poll(lambda: self.program.hook_calls()[before:] if len(self.program.hook_calls()) >= before + 2 else None, 10)
        self.assertTrue(calls, "the injected key did not reach the program's hook")
        return calls

    def wait_installs(self, count, timeout):
        return poll(lambda: self.program.hook_installs() if len(self.program.hook_installs()) >= count else None, timeout)

    def assertReinstalledAfter(self, install, key_call):
        delay = install.time - key_call.time
        low, high = REINSTALL_DELAY + TOLERANCE[0], REINSTALL_DELAY + TOLERANCE[1]
        self.assertTrue(low <= delay <= high, f"hook installed again {delay:.3f} s after the last key")

    def test_quiet_keyboard_keeps_the_first_hook(self):
        first = self.program.hook_installs()[0]
        # Longer than the re-install delay, counted from now, a little after the installation.
        self.assertIsNone(self.wait_installs(2, REINSTALL_DELAY + TOLERANCE[1] + 0.5))
        self.assertEqual(self.program.hook_installs(), [first])

    def test_key_restarts_the_reinstall_timer(self):
        calls = self.key()
        self.assertEqual([c.rest.split(" wp ")[1].split()[0] for c in calls], ["100", "101"])  # down, up
        installs = self.wait_installs(2, REINSTALL_DELAY + 10)
        self.assertTrue(installs, "the hook was not installed again after the key")
        self.assertEqual(len(installs), 2)
        self.assertReinstalledAfter(installs[1], calls[-1])

        # Two keys apart: the timer starts over with the second, so one re-install follows it.
        first = self.key()
        time.sleep(2.0)  # the gap between two key strokes, part of the input
        second = self.key()
        self.assertLess(self.program.hook_installs()[-1].time, first[0].time, "re-installed between the keys")
        installs = self.wait_installs(3, REINSTALL_DELAY + 10)
        self.assertTrue(installs, "the hook was not installed again after the second key")
        self.assertReinstalledAfter(installs[2], second[-1])
        # Each of the four events met exactly one hook: the re-install replaced the old one.
        between = [c for c in self.program.hook_calls() if installs[1].time <= c.time <= installs[2].time]
        self.assertEqual(len(between), 4, [c.rest for c in between])


if __name__ == "__main__":
    unittest.main()
