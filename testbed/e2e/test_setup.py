"""The Setup launcher under Wine: the utility setup program it starts, the command line it hands
on, the exit code its caller gets, its log file, the copying of driver folders, and the one
launcher per session.

Every scenario runs the 64-bit Setup.exe from a run folder of its own, with a real Setup.ini and
the stand-in UtilitySetup.exe beside it, through a batch file of cmd.exe so that the command line
is exactly as written and the exit code is the one a calling Windows process gets."""

from __future__ import annotations

import datetime
import re
import shutil
import time
import unittest
from pathlib import Path
from typing import Optional, Sequence

import harness
from harness import EXIT_TIMEOUT, CommandLineRun, HarnessError, poll, windows_path

SETUP = "Setup.exe"
UTILITY = "UtilitySetup.exe"
UTILITY_INI = "[Utility]\nName=UtilitySetup.exe\n"

# The launcher's log entries (texts before the stamp is added; "\n" becomes CR LF in the file).
START = "\n======== Utility Setup Start ========"
ABORT = "\n======== Utility Setup Abort ========"
FILE_OPENED = "*******Open file success***********"  # the debug line that replaces a logged entry


def end_entry(code: int) -> str:
    return f"Setup error code = {code}.\n======== Utility Setup End ========"


def file_bytes(text: str) -> bytes:
    """A log text as the launcher writes it: one byte a character, "?" above 255, CR LF."""
    return bytes(ord(c) if ord(c) < 256 else ord("?") for c in text.replace("\n", "\r\n"))


# One entry: the local time as Y/M/D H:M:S without leading zeros and a blank, at a line start.
_STAMP = re.compile(rb"^([1-9]\d{3})/([1-9]\d?)/([1-9]\d?) (0|[1-9]\d?):(0|[1-9]\d?):(0|[1-9]\d?) ", re.M)


class LogEntry:
    def __init__(self, stamp: bytes, when: datetime.datetime, message: bytes):
        self.stamp = stamp
        self.when = when
        self.message = message  # as in the file, without the entry's own CR LF


def parse_log(data: bytes) -> list[LogEntry]:
    """The entries of a log file; raises AssertionError when its bytes are not exactly a sequence
    of stamped entries, each ending in CR LF."""
    starts = list(_STAMP.finditer(data))
    if not starts or starts[0].start() != 0:
        raise AssertionError(f"the log does not start with a stamp: {data[:80]!r}")
    entries = []
    for index, match in enumerate(starts):
        end = starts[index + 1].start() if index + 1 < len(starts) else len(data)
        body = data[match.end() : end]
        if not body.endswith(b"\r\n"):
            raise AssertionError(f"entry without CR LF at its end: {data[match.start():end]!r}")
        when = datetime.datetime(*(int(group) for group in match.groups()))
        entries.append(LogEntry(match.group(0), when, body[:-2]))
    rebuilt = b"".join(entry.stamp + entry.message + b"\r\n" for entry in entries)
    if rebuilt != data:
        raise AssertionError(f"stray bytes in the log: {data!r}")
    return entries


class SetupFolder:
    """Setup.exe, UtilitySetup.exe and Setup.ini in a run folder of their own."""

    def __init__(self, case: unittest.TestCase, session: harness.WineSession, suffix: str = "",
                 ini: Optional[str] = UTILITY_INI, utility: bool = True):
        self.case = case
        self.session = session
        self.folder = session.new_run_folder(case.id() + suffix)
        program = session.build_dir / "bin" / SETUP
        if not program.exists():
            raise HarnessError(f"{program} does not exist; build win64 first")
        shutil.copy2(program, self.folder / SETUP)
        if utility:
            shutil.copy2(session.testbed_bin / UTILITY, self.folder / UTILITY)
        if ini is not None:
            self.write("Setup.ini", ini)
        self._runs = 0

    @property
    def win(self) -> str:
        return windows_path(self.folder)

    def write(self, name: str, text: str, unicode: bool = False) -> Path:
        """Writes text with CR LF line ends: ASCII, or with unicode UTF-16 LE after a byte order
        mark, the form in which a profile file holds text beyond the code page."""
        path = self.folder / name
        path.parent.mkdir(parents=True, exist_ok=True)
        text = text.replace("\n", "\r\n")
        path.write_bytes(b"\xff\xfe" + text.encode("utf-16-le") if unicode else text.encode("ascii"))
        return path

    def set_child_exit(self, code: Optional[str]) -> None:
        path = self.folder / "UtilitySetup.exitcode"
        if code is None:
            path.unlink(missing_ok=True)
        else:
            path.write_text(code + "\n", encoding="ascii")

    def utility_lines(self) -> Optional[list[str]]:
        """The lines UtilitySetup.exe logged, or None when it never ran here."""
        path = self.folder / "UtilitySetup.log"
        if not path.exists():
            return None
        return path.read_bytes().decode("utf-8").split("\n")[:-1]

    def start(self, arguments: str = "") -> CommandLineRun:
        self._runs += 1
        run = CommandLineRun(self.session, self.folder / SETUP, arguments, name=f"setup{self._runs}")
        self.case.addCleanup(end_run, run)
        return run.start()

    def run(self, arguments: str = "", timeout: float = EXIT_TIMEOUT) -> CommandLineRun:
        run = self.start(arguments)
        code = run.wait(timeout)
        self.case.assertIsNotNone(code, f"Setup.exe {arguments} did not end within {timeout} s; lines: {run.lines()}")
        return run


def setup_lines(run: CommandLineRun) -> list[str]:
    """The launcher's own debug lines, without those of the utility setup program it started."""
    return [line for line in run.lines() if not line.startswith("[UtilitySetup]")]


def end_run(run: CommandLineRun) -> None:
    """After a scenario: a launcher still running (a fault, or a child kept waiting) is ended by its
    Windows process id, so that it cannot hold the session's launcher mutex for the next one."""
    if not run.running or run.wait(2) is not None:
        return
    pids = {r.pid for r in run.log.debug_records() if r.pid is not None}
    for pid in sorted(pids):
        run.session.wine_command(["taskkill", "/F", "/PID", str(pid)], name="taskkill")
    run.stop()


class SetupTestCase(unittest.TestCase):
    maxDiff = None

    @classmethod
    def setUpClass(cls):
        cls.session = harness.session()

    def folder(self, suffix: str = "", ini: Optional[str] = UTILITY_INI, utility: bool = True) -> SetupFolder:
        return SetupFolder(self, self.session, suffix, ini, utility)

    def assertLog(self, path: Path, expected: Sequence[str], since: float, until: float, prefix: bytes = b"") -> list[LogEntry]:
        """The log file holds prefix, then exactly the expected entries, stamped within the run."""
        self.assertTrue(path.exists(), f"no log file {path}")
        data = path.read_bytes()
        self.assertEqual(data[: len(prefix)], prefix)
        entries = parse_log(data[len(prefix) :])
        self.assertEqual([e.message for e in entries], [file_bytes(text) for text in expected])
        for entry in entries:
            stamp = time.mktime(entry.when.timetuple())
            self.assertTrue(int(since) - 1 <= stamp <= until + 1, f"stamp {entry.stamp!r} outside the run")
        return entries


class SetupModeTest(SetupTestCase):
    def test_the_caller_gets_the_mapped_exit_code_and_the_log_the_unmapped_one(self):
        # (what the utility setup program exits with, what the launcher's caller gets, logged value)
        cases = [
            ("0", 0, 0),
            ("7", 7, 7),
            ("-1", 101, -1),
            ("-2", 102, -2),
            ("-3", 103, -3),
            ("-4", 104, -4),
            ("-5", 102, -5),
            ("3221225477", 102, -1073741819),  # 0xC0000005 counts as negative
            ("105", 105, 105),
            ("256", 256, 256),
        ]
        setup = self.folder()
        for index, (child, expected, logged) in enumerate(cases):
            with self.subTest(child=child):
                setup.set_child_exit(child)
                log = setup.folder / f"case{index}.log"
                arguments = f'/log "{windows_path(log)}"'
                since = time.time()
                run = setup.run(arguments)
                until = time.time()
                self.assertEqual(run.exit_code, expected)
                self.assertEqual(setup.utility_lines()[-1], arguments)
                self.assertIn(f"[UtilitySetup] exit {logged}", run.lines())
                self.assertLog(log, [START, end_entry(logged)], since, until)

    def test_the_whole_command_line_reaches_the_utility_setup_program(self):
        # Without a log file that can be opened, every entry goes to the debug output.
        cases = [
            "",
            r'/log "C:\x\l.txt" /foo "bar"',  # C:\x does not exist
            r'/extractdrivers "C:\out"  /Foo="a b" tail',  # not the extraction switch: other case
        ]
        setup = self.folder()
        for arguments in cases:
            with self.subTest(arguments=arguments):
                run = setup.run(arguments)
                self.assertEqual(run.exit_code, 0)
                self.assertEqual(setup.utility_lines()[-1], arguments)
                self.assertEqual(setup_lines(run), [START, end_entry(0)])

    def test_the_log_file_holds_stamped_entries_with_crlf_and_grows_run_by_run(self):
        setup = self.folder()
        log = setup.folder / "setup.log"
        earlier = b"kept from before\r\n"
        log.write_bytes(earlier)
        since = time.time()
        for child in ("7", "0"):
            setup.set_child_exit(child)
            run = setup.run(f'/log "{windows_path(log)}"')
            self.assertEqual(run.exit_code, int(child))
            # Each entry opens the file; the debug output only says so.
            self.assertEqual(setup_lines(run), [FILE_OPENED, FILE_OPENED])
        entries = self.assertLog(log, [START, end_entry(7), START, end_entry(0)], since, time.time(), earlier)
        # The start entry is a line holding only the stamp and its blank.
        self.assertTrue(log.read_bytes()[len(earlier) :].startswith(entries[0].stamp + b"\r\n========"))

    def test_aborts_end_with_105_and_their_own_entry(self):
        # (what is missing or wrong, Setup.ini, extra arguments after /log, the entry after START)
        cases = [
            ("no Setup.ini", None, "", "Utility information load fail, Return Error code = 2" + ABORT),
            ("no Setup.ini, extraction", None, ' /ExtractDrivers "C:\\out"',
             "Driver Information load fail, Return Error code = 2" + ABORT),
            ("no utility setup program", "[Utility]\nName=Missing.exe\n", "", "Can not find Utility Setup." + ABORT),
            ("no quoted extraction root", UTILITY_INI, " /ExtractDrivers", "Can not find ExtractDrivers path = ." + ABORT),
        ]
        for label, ini, extra, entry in cases:
            with self.subTest(label):
                setup = self.folder("." + label, ini)
                log = setup.folder / "setup.log"
                since = time.time()
                run = setup.run(f'/log "{windows_path(log)}"{extra}')
                self.assertEqual(run.exit_code, 105)
                self.assertLog(log, [START, entry], since, time.time())
                self.assertIsNone(setup.utility_lines(), "the utility setup program was started")

    def test_a_second_launcher_ends_at_once_while_the_first_waits(self):
        first = self.folder(".first")
        first.set_child_exit("7")
        wait_file = first.folder / "UtilitySetup.wait"
        wait_file.touch()
        first_log = first.folder / "setup.log"
        since = time.time()
        waiting = first.start(f'/log "{windows_path(first_log)}"')
        self.addCleanup(wait_file.unlink, missing_ok=True)  # before the launcher is ended, if need be
        self.assertTrue(poll(lambda: first.utility_lines(), 30), f"the first launcher started nothing; lines: {waiting.lines()}")

        second = self.folder(".second")
        second_log = second.folder / "setup.log"
        started = time.monotonic()
        run = second.run(f'/log "{windows_path(second_log)}"')
        self.assertEqual(run.exit_code, 105)
        self.assertLess(time.monotonic() - started, 10)
        # Nothing at all from the second one: no log, no debug line, no utility setup program.
        self.assertFalse(second_log.exists())
        self.assertEqual(setup_lines(run), [])
        self.assertIsNone(second.utility_lines())

        self.assertTrue(waiting.running, "the first launcher did not wait for its utility setup program")
        self.assertLog(first_log, [START], since, time.time())
        wait_file.unlink()
        self.assertEqual(waiting.wait(30), 7)
        self.assertLog(first_log, [START, end_entry(7)], since, time.time())

        # The mutex went with the first launcher: the next one runs normally.
        self.assertEqual(second.run(f'/log "{windows_path(second_log)}"').exit_code, 0)
        self.assertEqual(second.utility_lines(), [f'/log "{windows_path(second_log)}"'])


# Driver source folders beside the launcher: relative path -> contents.
SOURCES = {
    "Drivers/Audio/a.inf": "audio inf",
    "Drivers/Audio/sub/b.sys": "audio sys",
    "Drivers/Audio/sub/deeper/c.cat": "audio cat",
    "Drivers/Video/v.inf": "video inf",
    "Drivers/Video/gfx/w.dll": "video dll",
}
SOURCES_BELOW_DRIVERS = {name[len("Drivers/") :]: text for name, text in SOURCES.items()}
AUDIO = {"a.inf": "audio inf", "sub/b.sys": "audio sys", "sub/deeper/c.cat": "audio cat"}
VIDEO = {"v.inf": "video inf", "gfx/w.dll": "video dll"}
AUDIO_SECTION = "[Audio]\nExtractDrvSource1=Drivers\\Audio\nExtractDrvDest1=Audio\n"


def files_below(root: Path) -> dict[str, str]:
    return {p.relative_to(root).as_posix(): p.read_text(encoding="ascii") for p in root.rglob("*") if p.is_file()}


def placed(prefix: str, files: dict[str, str]) -> dict[str, str]:
    return {f"{prefix}/{name}": text for name, text in files.items()}


class ExtractionTest(SetupTestCase):
    def make_sources(self, setup: SetupFolder) -> None:
        for name, text in SOURCES.items():
            setup.write(name, text)

    def test_driver_folders_are_copied_with_their_subfolders(self):
        # (label, driver sections of Setup.ini, files there before, files below the root after)
        cases = [
            ("one section: straight into the destination", AUDIO_SECTION, {"Audio/a.inf": "old"},
             placed("Audio", AUDIO)),
            ("two sections: one level more, named after the section",
             AUDIO_SECTION
             + "[Video]\nExtractDrvSource1=Drivers\\Audio\nExtractDrvSource2=Drivers\\Video\nExtractDrvDest2=Video\n",
             {}, {**placed("Audio/Audio", AUDIO), **placed("Video/Video", VIDEO)}),
            ("a section without a pair still counts", AUDIO_SECTION + "[Notes]\nComment=none\n", {},
             placed("Audio/Audio", AUDIO)),
        ]
        for label, sections, before, after in cases:
            with self.subTest(label):
                setup = self.folder("." + label.split(":")[0], UTILITY_INI + sections)
                self.make_sources(setup)
                root = setup.folder / "Out"
                for name, text in before.items():
                    setup.write("Out/" + name, text)
                log = setup.folder / "setup.log"
                since = time.time()
                run = setup.run(f'/ExtractDrivers "{windows_path(root)}" /log "{windows_path(log)}"')
                self.assertEqual(run.exit_code, 0)
                self.assertEqual(files_below(root), after)
                self.assertLog(log, [START, end_entry(0)], since, time.time())
                self.assertIsNone(setup.utility_lines(), "the utility setup program was started")
                self.assertEqual(files_below(setup.folder / "Drivers"), SOURCES_BELOW_DRIVERS)

    def assertAbortEntries(self, log: Path, since: float, detail: bytes) -> re.Match:
        """Start, the detailed entry (matched as a whole by the pattern detail), the abort entry."""
        entries = parse_log(log.read_bytes())
        self.assertEqual(len(entries), 3, [e.message for e in entries])
        self.assertEqual(entries[0].message, file_bytes(START))
        found = re.fullmatch(detail, entries[1].message)
        self.assertIsNotNone(found, entries[1].message)
        self.assertRegex(entries[2].message, rb"^Copy files fail, Return Error code = [0-9a-f]+\r\n======== Utility Setup Abort ========$")
        for entry in entries:
            self.assertTrue(int(since) - 1 <= time.mktime(entry.when.timetuple()) <= time.time() + 1)
        return found

    def test_a_destination_that_cannot_be_made_stops_the_copy_with_105(self):
        # A file stands where a folder of the second destination belongs. The destination's name
        # goes beyond ASCII: in the log é is one byte, Ж a "?".
        setup = self.folder(".blocked", None)
        setup.write("Setup.ini", UTILITY_INI + "[Audio]\nExtractDrvSource1=Drivers\\Audio\nExtractDrvDest1=First\n"
                    "ExtractDrvSource2=Drivers\\Video\nExtractDrvDest2=Blocked\\Sécond-Ж\n", unicode=True)
        self.make_sources(setup)
        root = setup.folder / "Out"
        setup.write("Out/Blocked", "in the way")
        log = setup.folder / "setup.log"
        since = time.time()
        run = setup.run(f'/ExtractDrivers "{windows_path(root)}" /log "{windows_path(log)}"')
        self.assertEqual(run.exit_code, 105)
        # The pair before the failing one stays copied.
        self.assertEqual(files_below(root), {**placed("First", AUDIO), "Blocked": "in the way"})
        failed = self.assertAbortEntries(
            log, since,
            re.escape(file_bytes(f"Failed to create directory= {windows_path(root)}\\Blocked\\Sécond-Ж\\, error code = "))
            + rb"([0-9a-f]+)")
        self.assertIn(b"S\xe9cond-?", failed.group(0))
        self.assertNotIn(int(failed.group(1), 16), (0, 80, 183))

    def test_a_missing_source_folder_stops_the_copy_with_105(self):
        # The launcher's folder has a name beyond ASCII: in the log é is one byte, Ж a "?".
        setup = self.folder(".é-Ж", UTILITY_INI + "[Audio]\nExtractDrvSource1=Drivers\\Audio\nExtractDrvDest1=First\n"
                            "ExtractDrvSource2=Missing\nExtractDrvDest2=Second\n")
        self.make_sources(setup)
        outside = self.session.new_run_folder(self.id() + ".out")  # the batch file takes only ASCII
        root = outside / "Out"
        log = outside / "setup.log"
        since = time.time()
        run = setup.run(f'/ExtractDrivers "{windows_path(root)}" /log "{windows_path(log)}"')
        # The pair before the failing one stays copied; the failing one's destination was made.
        self.assertEqual(files_below(root), placed("First", AUDIO))
        self.assertTrue((root / "Second").is_dir())
        if run.exit_code == 0 and parse_log(log.read_bytes())[-1].message == file_bytes(end_entry(0)):
            # Wine 8's shell copy reports success for a pattern in a folder that does not exist
            # (Windows reports an error); the launcher passed that result on.
            self.skipTest("the platform's shell copy reported success for Missing\\*")
        self.assertEqual(run.exit_code, 105)
        failed = self.assertAbortEntries(
            log, since,
            re.escape(file_bytes(f"Failed to copy, Soure directory= {setup.win}\\Missing\\*, Dest directory= "))
            + rb"(.*), error code = ([0-9a-f]+)")
        self.assertIn(b"\xe9-?", failed.group(0))
        self.assertEqual(failed.group(1), file_bytes(windows_path(root) + "\\Second\\"))
        self.assertNotEqual(int(failed.group(2), 16), 0)

if __name__ == "__main__":
    unittest.main()
