"""The harness's own parsing of Wine's debug lines and the driver's result lines; runs without Wine."""

import unittest

from harness import parse_driver_line, parse_record, subsequence_gaps, unescape_debugstr


class ParsingTest(unittest.TestCase):
    def test_unescape_debugstr(self):
        cases = [
            (r'"plain"', "plain", False),
            (r'"[VarnoHotkey] Closed\n"', "[VarnoHotkey] Closed\n", False),
            (r'"tab\tcr\rquote\"back\\slash"', 'tab\tcr\rquote"back\\slash', False),
            (r'"\x01\xe9\x7f"', "\x01\u00e9\x7f", False),
            (r'"cut by Wine"...', "cut by Wine", True),
            (r'""', "", False),
        ]
        for quoted, text, cut in cases:
            with self.subTest(quoted):
                self.assertEqual(unescape_debugstr(quoted), (text, cut))

    def test_parse_record(self):
        cases = [
            (
                r'941.224:0020:0024:warn:seh:OutputDebugStringA "started\n"',
                (941.224, 0x20, 0x24, "warn", "seh", "OutputDebugStringA", "started\n"),
            ),
            (r'0024:warn:seh:OutputDebugStringA "x"', (None, None, 0x24, "warn", "seh", "OutputDebugStringA", "x")),
            (
                "941.2:0020:0024:trace:hook:NtUserSetWindowsHookEx WH_KEYBOARD_LL 0x140001550 0 -> 0x1004e",
                (941.2, 0x20, 0x24, "trace", "hook", "NtUserSetWindowsHookEx", None),
            ),
        ]
        for line, (time, pid, tid, cls, channel, func, text) in cases:
            with self.subTest(line):
                record = parse_record(line)
                self.assertEqual((record.time, record.pid, record.tid, record.cls, record.channel, record.func),
                                 (time, pid, tid, cls, channel, func))
                if text is not None:
                    self.assertTrue(record.is_debug_string)
                    self.assertEqual(record.text, text)
        self.assertIsNone(parse_record("wine: created the configuration directory"))

    def test_parse_driver_line(self):
        line = r'found=1 hwnd=0x1004C class="#32770" title="About \"Varno\" C:\\x" visible=1 rect=0,0,10,10'
        self.assertEqual(
            parse_driver_line(line),
            {"found": "1", "hwnd": "0x1004C", "class": "#32770", "title": 'About "Varno" C:\\x', "visible": "1",
             "rect": "0,0,10,10"},
        )
        self.assertEqual(parse_driver_line('title=""'), {"title": ""})

    def test_subsequence_gaps(self):
        lines = ["a", "b", "c", "b"]
        self.assertIsNone(subsequence_gaps(lines, ["a", "c", "b"]))
        self.assertEqual(subsequence_gaps(lines, ["c", "a"]), "a")
        self.assertEqual(subsequence_gaps(lines, ["x"]), "x")


if __name__ == "__main__":
    unittest.main()
