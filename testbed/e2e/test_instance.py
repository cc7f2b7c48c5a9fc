"""One copy per desktop: a second copy ends at once and leaves the first undisturbed."""

import unittest

from harness import CONTROLLER_CLASS, Program, ProgramTestCase, poll


class SingleInstanceTest(ProgramTestCase):
    def test_second_copy_ends_at_once(self):
        first = self.launch(debug_channels=["trace+hook"])
        self.assertTrue(poll(first.hook_installs, 15), "the first copy installed no keyboard hook")

        second = Program(self.session, self.session.new_run_folder(self.run_name(".second")), ["trace+hook"])
        self.addCleanup(second.stop)
        second.start(wait_window=False)
        self.assertIsNotNone(second.wait_exit(), "the second copy is still running")
        # No window, no hook, no library, not a single line.
        self.assertEqual(second.lines(), [])
        self.assertEqual(second.hook_installs(), [])

        found = self.session.driver("find", CONTROLLER_CLASS)
        self.assertEqual((found.ok, found.get("count"), found.get("pid")), (True, "1", str(first.pid)))
        self.assertTrue(first.running)
        self.assertEqual(len(first.hook_installs()), 1)

        # The mutex goes with the first copy's process; a new copy then starts normally.
        self.assertIsNotNone(first.close(), "WM_CLOSE did not end the first copy")
        third = self.launch()
        self.assertNotEqual(third.pid, first.pid)
        self.assertEqual(self.session.driver("find", CONTROLLER_CLASS).get("count"), "1")


if __name__ == "__main__":
    unittest.main()
