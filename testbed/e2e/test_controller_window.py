"""The hidden controller window as other programs see it: found by class, never visible, an
about box only for a system command from outside, and the close sequence."""

import unittest

from harness import (
    CLOSED,
    CONTROLLER_CLASS,
    SC_CLOSE,
    VOLUME_DISABLE,
    WM_CLOSE,
    WM_SYSCOMMAND,
    ProgramTestCase,
)

WS_VISIBLE = 0x10000000
WS_POPUP = 0x80000000
WS_SYSMENU = 0x00080000
WS_EX_TRANSPARENT = 0x00000020
WS_EX_APPWINDOW = 0x00040000
ABOUT_TITLE = "About VarnoHotkey"


class ControllerWindowTest(ProgramTestCase):
    def test_one_hidden_window_of_the_class(self):
        self.launch()
        found = self.session.driver("find", CONTROLLER_CLASS)
        self.assertTrue(found.ok, found.output)
        self.assertEqual((found["count"], found["visible"], found["title"]), ("1", "0", ""))
        style, exstyle = found.number("style"), found.number("exstyle")
        self.assertEqual(style & (WS_POPUP | WS_SYSMENU | WS_VISIBLE), WS_POPUP | WS_SYSMENU, hex(style))
        self.assertEqual(exstyle & (WS_EX_APPWINDOW | WS_EX_TRANSPARENT), WS_EX_APPWINDOW | WS_EX_TRANSPARENT, hex(exstyle))

    def test_show_window_from_outside_leaves_it_hidden(self):
        program = self.launch()
        for command in ("SW_SHOW", "SW_SHOWNORMAL", "SW_SHOWNA", "SW_SHOWNOACTIVATE", "SW_RESTORE", "SW_SHOWMAXIMIZED"):
            with self.subTest(command):
                shown = self.session.driver("show", CONTROLLER_CLASS, command)
                self.assertTrue(shown.ok, shown.output)
                self.assertEqual(shown["visible"], "0", shown.output)
                # Asked again by a fresh process, after the program has handled everything.
                self.assertEqual(self.session.driver("find", CONTROLLER_CLASS)["visible"], "0")
        self.assertTrue(program.running)

    def test_system_command_opens_the_about_box(self):
        program = self.launch()
        for code in (0x0010, 0x001F):
            with self.subTest(code=hex(code)):
                program.post(WM_SYSCOMMAND, code)
                about = self.session.driver("wait-window", ABOUT_TITLE, 10000)
                self.assertTrue(about.ok, f"no window {ABOUT_TITLE!r}: {about.output}")
                self.assertEqual((about["visible"], about["pid"]), ("1", str(program.pid)), about.output)
                closed = self.session.driver("close-window", ABOUT_TITLE, 5000)
                self.assertTrue(closed.ok, f"the about box did not close: {closed.output}")
        # The controller's own loop runs on after the about box.
        self.assertIsNotNone(program.close(), "WM_CLOSE did not end the program after the about box")

    def test_close_frees_the_libraries_before_the_last_line(self):
        for name, message, wparam in (("WM_CLOSE", WM_CLOSE, 0), ("SC_CLOSE", WM_SYSCOMMAND, SC_CLOSE)):
            with self.subTest(name):
                program = self.launch(0x0401, "win7")
                program.wait_for_line("[Function_UI] Not GuestUser")
                program.post(message, wparam)
                self.assertIsNotNone(program.wait_exit(), f"{name} did not end the program")
                gone = self.session.driver("wait-gone", CONTROLLER_CLASS, 5000)
                self.assertTrue(gone.ok, gone.output)
                lines = program.lines()
                self.assertEqual(lines.count(CLOSED), 1, lines)
                self.assertInOrder(lines, [VOLUME_DISABLE, "[Kavrel] detach", CLOSED])
                self.assertInOrder(lines, [VOLUME_DISABLE, "[Marlowen] detach", CLOSED])


if __name__ == "__main__":
    unittest.main()
