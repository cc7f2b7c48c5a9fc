"""Start-up under Wine: the feature mask, the vendor libraries, the Windows version, the platform
query, and what each of them leaves behind at close."""

import unittest

from harness import (
    CLOSED,
    GUEST_QUERY,
    KAVREL_FALSE,
    KAVREL_TRUE,
    MASK_READ,
    MASK_UNREADABLE,
    NO_FEATURE_KEY,
    NOT_GUEST,
    PLATFORM_UNREADABLE,
    VOLUME_DISABLE,
    VOLUME_ENABLE,
    ProgramTestCase,
    kavrel_calls,
    poll,
)

MASK = 0x0001 | 0x0400  # volume and NumLock tray
PLATFORM_QUERY = "[Kavrel] KavrelEvaluate cmd=0x44 in= out=00,D8 -> 1"
HAND_OVER = "[Kavrel] KavrelEvaluate cmd=0x59 in=90 out= -> 1"
GIVE_BACK = "[Kavrel] KavrelEvaluate cmd=0x59 in=91 out= -> 1"
LIBRARY_LINES = ("[Kavrel] attach", "[Marlowen] attach", "[Kavrel] detach", "[Marlowen] detach")


class StartupTest(ProgramTestCase):
    def test_full_start_and_close_by_windows_version(self):
        # Before Windows 8 the program takes the volume keys from the embedded controller and gives
        # them back at close; from Windows 8 on, command 0x59 is never sent.
        cases = [
            ("win7", [VOLUME_ENABLE, HAND_OVER, KAVREL_TRUE], [VOLUME_DISABLE, GIVE_BACK, KAVREL_TRUE], "91"),
            ("win10", [], [], None),
        ]
        for windows, hand_over, give_back, volume_control in cases:
            with self.subTest(windows=windows):
                program = self.launch(MASK, windows, {"platform": "00 D8"}, debug_channels=["trace+hook"])
                self.assertTrue(poll(program.hook_installs, 15), "no keyboard hook installed at start-up")
                self.assertIsNotNone(program.close(), "WM_CLOSE did not end the program")
                lines = program.lines()

                expected_start = [
                    MASK_READ.format(MASK),
                    "[Kavrel] attach",
                    "[Marlowen] attach",
                    PLATFORM_QUERY,
                    GUEST_QUERY,
                    NOT_GUEST,
                    *hand_over,
                ]
                self.assertInOrder(lines, expected_start + give_back + ["[Kavrel] detach", CLOSED])
                self.assertInOrder(lines, expected_start + give_back + ["[Marlowen] detach", CLOSED])
                self.assertEqual(kavrel_calls(lines, 0x59), kavrel_calls(hand_over + give_back, 0x59))
                self.assertEqual(kavrel_calls(lines, 0x44), [PLATFORM_QUERY])
                self.assertEqual(len(program.hook_installs()), 1)
                self.assertEqual(program.read_state().get("volumecontrol"), volume_control)

    def test_no_mask_means_no_libraries_and_no_hook(self):
        cases = [
            ("value missing", None, MASK_UNREADABLE),
            ("key missing", NO_FEATURE_KEY, MASK_UNREADABLE),
            ("mask 0", 0, MASK_READ.format(0)),
        ]
        for name, mask, mask_line in cases:
            with self.subTest(name):
                program = self.launch(mask, "win7", debug_channels=["trace+hook"])
                program.wait_for_line(mask_line)
                # The program stays resident and still closes on WM_CLOSE.
                self.assertTrue(program.running)
                self.assertIsNotNone(program.close(), "WM_CLOSE did not end the program")
                lines = program.lines()
                for unwanted in LIBRARY_LINES + (VOLUME_ENABLE, VOLUME_DISABLE, NOT_GUEST):
                    self.assertNoLine(lines, unwanted)
                self.assertNoLine(lines, lambda l: l.startswith("[Kavrel]") or l.startswith("[Marlowen]"))
                self.assertEqual(program.hook_installs(), [], "a keyboard hook was installed")
                self.assertEqual(lines[-1:], [CLOSED])


class PlatformQueryFailureTest(ProgramTestCase):
    def test_failed_query_ends_start_up_but_not_the_program(self):
        # Windows 10, but the version is never asked: start-up stops at the failed query, so the
        # close still takes the branch meant for systems before Windows 8 and gives back the keys.
        program = self.launch(MASK, "win10", {"fail": 1}, debug_channels=["trace+hook"])
        program.wait_for_line(PLATFORM_UNREADABLE)
        self.assertTrue(program.running, "the program ended after the failed query")
        found = self.session.driver("find", "VarnoHotkeyClass")
        self.assertEqual((found.ok, found.get("count"), found.get("pid")), (True, "1", str(program.pid)))

        self.assertIsNotNone(program.close(), "WM_CLOSE did not end the program")
        lines = program.lines()
        self.assertInOrder(
            lines,
            [
                MASK_READ.format(MASK),
                "[Kavrel] attach",
                "[Marlowen] attach",
                "[Kavrel] KavrelEvaluate cmd=0x44 in= out= -> 0",
                PLATFORM_UNREADABLE,
                VOLUME_DISABLE,
                "[Kavrel] KavrelEvaluate cmd=0x59 in=91 out= -> 0",
                KAVREL_FALSE,
                CLOSED,
            ],
        )
        for unwanted in (GUEST_QUERY, NOT_GUEST, VOLUME_ENABLE):
            self.assertNoLine(lines, unwanted)
        self.assertEqual(program.hook_installs(), [], "a keyboard hook was installed")
        self.assertInOrder(lines, ["[Kavrel] detach", CLOSED])
        self.assertInOrder(lines, ["[Marlowen] detach", CLOSED])


if __name__ == "__main__":
    unittest.main()
