"""End-to-end harness: runs the Windows build of VarnoHotkey under Wine on a virtual display.

One WineSession per test run: one Xvfb, one private Wine prefix, one persistent wineserver and a
keeper process that holds the desktop open, so every program started in the run shares one set
of Wine's own helper processes. Each scenario gets its own run folder with the program and the
stand-ins copied beside it (see Program), and reads the program's OutputDebugString lines from
Wine's debug channel on stderr (see DebugLog).

Every Wine process writes into files, never into a pipe of ours: Wine's helper processes may
inherit a pipe from the program that started them and hold it open after that program ended.

Environment:
  VH_BUILD_DIR   win64 build folder (bin/VarnoHotkey.exe, testbed-bin/...), default build/win64
  VH_DRIVER      path of vh-driver.exe when it is not in <build>/testbed-bin
  VH_E2E_KEEP    1: keep the work folder (run folders with their logs) after the run; it is
                 also kept when a test fails. The prefix is always removed.
  WINE, WINESERVER  the 64-bit loader and server; found in /usr/lib/wine or on PATH otherwise
"""

from __future__ import annotations

import atexit
import os
import re
import select
import shlex
import shutil
import signal
import subprocess
import tempfile
import time
import unittest
from dataclasses import dataclass
from pathlib import Path
from typing import Callable, Iterable, Optional, Sequence

SOURCE_ROOT = Path(__file__).resolve().parents[2]

# What the program under test is called and how it is found.
PROGRAM_NAME = "VarnoHotkey.exe"
CONTROLLER_CLASS = "VarnoHotkeyClass"
STANDINS = ("Kavrel.dll", "Marlowen.dll", "Orlenda.exe")
VENDOR_STATE = "VendorState.txt"
FEATURE_KEY = r"HKLM\SOFTWARE\Wow6432Node\VarnoHotkey"  # the 32-bit view, as a 64-bit reg.exe sees it
FEATURE_VALUE = "VarnoHotkeyControl"
WINE_KEY = r"HKCU\Software\Wine"

# Window messages and commands used by the scenarios.
WM_CLOSE = 0x0010
WM_COMMAND = 0x0111
WM_SYSCOMMAND = 0x0112
WM_VARNO_HOTKEY = 0x8065
SC_CLOSE = 0xF060

# Lines the program writes (a trailing line feed belongs to some texts).
MASK_READ = "[VarnoHotkey] Read TskControl (0x{0:X}, {0}) from the registry.\n"
MASK_UNREADABLE = "[VarnoHotkey] ***** Unable to read VarnoHotkeyControl from the registry! *****\n"
PLATFORM_UNREADABLE = "[VarnoHotkey] Can't Read EC Namespace!\n"
VOLUME_ENABLE = "[VarnoHotkey]Enable VarnoHotkey to control Volume\n"
VOLUME_DISABLE = "[VarnoHotkey]Disable VarnoHotkey to control Volume\n"
KAVREL_TRUE = "[VarnoHotkey] Kavrel True\n"
KAVREL_FALSE = "[VarnoHotkey] Kavrel False\n"
GUEST_QUERY = "[stdafx] IsGuestUser"
NOT_GUEST = "[Function_UI] Not GuestUser"
CLOSED = "[VarnoHotkey]VarnoHotKey Utility Closed\n"

# Sentinel for launch(mask=...): the whole feature key is absent.
NO_FEATURE_KEY = "no feature key"

# The debug channels every program run gets: OutputDebugString lines, with time stamp and process id.
BASE_DEBUG = "-all,warn+seh,+timestamp,+pid"

# Time limits in seconds. Start-up includes two WMI queries; Wine may also start its desktop.
START_TIMEOUT = 30.0
EXIT_TIMEOUT = 15.0
LINE_TIMEOUT = 15.0
WINE_COMMAND_TIMEOUT = 60.0
POLL_INTERVAL = 0.05


class HarnessError(RuntimeError):
    """The test equipment itself failed (not the program under test)."""


def poll(test: Callable[[], object], timeout: float, interval: float = POLL_INTERVAL):
    """Calls test until it returns something true or the time is up; returns its last result."""
    deadline = time.monotonic() + timeout
    while True:
        result = test()
        if result or time.monotonic() >= deadline:
            return result
        time.sleep(interval)


def _find_tool(env_name: str, candidates: Sequence[str]) -> str:
    if os.environ.get(env_name):
        return os.environ[env_name]
    for candidate in candidates:
        if os.path.isabs(candidate):
            if os.access(candidate, os.X_OK):
                return candidate
        elif shutil.which(candidate):
            return shutil.which(candidate)
    raise HarnessError(f"{env_name}: none of {', '.join(candidates)} found")


# --------------------------------------------------------------------------------------------
# Debug output


_RECORD = re.compile(
    r"^(?:(?P<ts>\d+\.\d+):)?(?:(?P<pid>[0-9a-f]{4,8}):)?(?P<tid>[0-9a-f]{4,8}):"
    r"(?P<cls>fixme|err|warn|trace):(?P<channel>[\w-]+):(?P<func>\w+) ?(?P<rest>.*)$"
)
_ESCAPES = {"n": "\n", "r": "\r", "t": "\t", '"': '"', "\\": "\\"}


def unescape_debugstr(quoted: str) -> tuple[str, bool]:
    """Turns Wine's debugstr_a form ("text", with \\n \\r \\t \\" \\\\ \\xNN, and "..." after the
    closing quote when Wine cut the string) back into the text; also tells whether it was cut."""
    if not quoted.startswith('"'):
        return quoted, False
    raw = bytearray()
    i = 1
    while i < len(quoted):
        c = quoted[i]
        if c == "\\" and i + 1 < len(quoted):
            nxt = quoted[i + 1]
            if nxt == "x" and re.fullmatch(r"[0-9a-fA-F]{2}", quoted[i + 2 : i + 4]):
                raw += bytes([int(quoted[i + 2 : i + 4], 16)])
                i += 4
                continue
            raw += _ESCAPES.get(nxt, nxt).encode("latin-1")
            i += 2
            continue
        if c == '"':
            return raw.decode("cp1252", errors="replace"), quoted[i + 1 :].startswith("...")
        raw += c.encode("cp1252", errors="replace")
        i += 1
    return raw.decode("cp1252", errors="replace"), True


@dataclass(frozen=True)
class Record:
    """One line of Wine's debug output."""

    time: Optional[float]  # seconds, from +timestamp
    pid: Optional[int]  # Windows process id, from +pid
    tid: int
    cls: str  # fixme, err, warn, trace
    channel: str
    func: str
    rest: str  # everything after the function name

    @property
    def is_debug_string(self) -> bool:
        return self.channel == "seh" and self.func == "OutputDebugStringA"

    @property
    def text(self) -> str:
        """The unescaped text of an OutputDebugString line."""
        return unescape_debugstr(self.rest)[0]


def parse_record(line: str) -> Optional[Record]:
    match = _RECORD.match(line)
    if not match:
        return None
    return Record(
        time=float(match["ts"]) if match["ts"] else None,
        pid=int(match["pid"], 16) if match["pid"] else None,
        tid=int(match["tid"], 16),
        cls=match["cls"],
        channel=match["channel"],
        func=match["func"],
        rest=match["rest"],
    )


class DebugLog:
    """Reads a stderr file of Wine debug output as it grows. Only whole lines are taken.

    Records of every process writing into the file are kept (Wine helper processes or programs
    started by the program may share it); pid narrows the queries to one process."""

    def __init__(self, path: Path):
        self.path = path
        self.records: list[Record] = []
        self.other_lines: list[str] = []  # anything that is not a debug record
        self._offset = 0
        self._partial = b""
        self.pid: Optional[int] = None

    def refresh(self) -> None:
        try:
            with open(self.path, "rb") as f:
                f.seek(self._offset)
                chunk = f.read()
        except FileNotFoundError:
            return
        self._offset += len(chunk)
        data = self._partial + chunk
        *complete, self._partial = data.split(b"\n")
        for raw in complete:
            line = raw.decode("utf-8", errors="replace").rstrip("\r")
            record = parse_record(line)
            if record:
                self.records.append(record)
            elif line:
                self.other_lines.append(line)

    def _mine(self, pid: Optional[int]) -> Iterable[Record]:
        pid = self.pid if pid is None else pid
        return (r for r in self.records if pid is None or r.pid is None or r.pid == pid)

    def debug_records(self, pid: Optional[int] = None) -> list[Record]:
        self.refresh()
        return [r for r in self._mine(pid) if r.is_debug_string]

    def lines(self, pid: Optional[int] = None) -> list[str]:
        """Every OutputDebugString text, in order."""
        return [r.text for r in self.debug_records(pid)]

    def lines_from(self, prefix: str, pid: Optional[int] = None) -> list[str]:
        """The texts that start with prefix, e.g. "[Kavrel]"."""
        return [t for t in self.lines(pid) if t.startswith(prefix)]

    def trace(self, channel: str, func: Optional[str] = None, pid: Optional[int] = None) -> list[Record]:
        self.refresh()
        return [r for r in self._mine(pid) if r.channel == channel and (func is None or r.func == func)]

    def find(self, match: str | Callable[[str], bool], pid: Optional[int] = None) -> Optional[Record]:
        test = match if callable(match) else (lambda text: text == match)
        return next((r for r in self.debug_records(pid) if test(r.text)), None)


# --------------------------------------------------------------------------------------------
# Driver results


@dataclass
class DriverResult:
    args: tuple[str, ...]
    returncode: int
    lines: list[dict[str, str]]
    output: str

    @property
    def ok(self) -> bool:
        return self.returncode == 0

    @property
    def fields(self) -> dict[str, str]:
        """The last line (the result line of every command)."""
        return self.lines[-1] if self.lines else {}

    def __getitem__(self, key: str) -> str:
        return self.fields[key]

    def get(self, key: str, default: Optional[str] = None) -> Optional[str]:
        return self.fields.get(key, default)

    def number(self, key: str) -> int:
        return int(self.fields[key], 0)


def parse_driver_line(line: str) -> dict[str, str]:
    fields = {}
    for token in shlex.split(line, posix=True):
        key, _, value = token.partition("=")
        fields[key] = value
    return fields


# --------------------------------------------------------------------------------------------
# The session


class WineSession:
    """Xvfb, a private Wine prefix, one wineserver and a keeper for a whole run."""

    def __init__(self, build_dir: Path, work_dir: Optional[Path] = None, keep: bool = False):
        self.build_dir = Path(build_dir).resolve()
        self.program = self.build_dir / "bin" / PROGRAM_NAME
        self.testbed_bin = self.build_dir / "testbed-bin"
        self.driver_exe = Path(os.environ.get("VH_DRIVER") or self.testbed_bin / "vh-driver.exe")
        self.wine = _find_tool("WINE", ["/usr/lib/wine/wine64", "wine64"])
        self.wineserver = _find_tool("WINESERVER", ["/usr/lib/wine/wineserver", "wineserver64", "wineserver"])
        self.keep = keep
        self.work_dir = Path(work_dir) if work_dir else Path(tempfile.mkdtemp(prefix="vh-e2e-"))
        self.prefix = self.work_dir / "prefix"
        self.runs_dir = self.work_dir / "runs"
        self.display: Optional[str] = None
        self._xvfb: Optional[subprocess.Popen] = None
        self._keeper: Optional[subprocess.Popen] = None
        self._started = False
        self._run_names: set[str] = set()
        self._settings: dict[str, object] = {}  # registry settings last written

    # -- set-up and tear-down ----------------------------------------------------------------

    def start(self) -> "WineSession":
        if not self.driver_exe.exists():
            raise HarnessError(f"missing: {self.driver_exe}")
        self.runs_dir.mkdir(parents=True, exist_ok=True)
        self._started = True
        self._start_xvfb()
        self._start_wine()
        return self

    def _start_xvfb(self) -> None:
        read_end, write_end = os.pipe()
        try:
            # -displayfd: Xvfb picks a free display number itself and writes it into the pipe.
            with open(self.work_dir / "xvfb.log", "wb") as log:
                self._xvfb = subprocess.Popen(
                    ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1920x1080x24", "-nolisten", "tcp"],
                    pass_fds=(write_end,),
                    stdin=subprocess.DEVNULL,
                    stdout=subprocess.DEVNULL,
                    stderr=log,
                    start_new_session=True,
                )
            os.close(write_end)
            write_end = -1
            number = b""
            deadline = time.monotonic() + 15
            while not number.endswith(b"\n"):
                remaining = deadline - time.monotonic()
                ready, _, _ = select.select([read_end], [], [], max(remaining, 0))
                if not ready:
                    raise HarnessError("Xvfb did not report its display within 15 s")
                chunk = os.read(read_end, 16)
                if not chunk:
                    raise HarnessError(f"Xvfb ended at start-up, see {self.work_dir / 'xvfb.log'}")
                number += chunk
            self.display = ":" + number.decode().strip()
        finally:
            os.close(read_end)
            if write_end >= 0:
                os.close(write_end)

    def env(self, debug: str = "-all", **extra: str) -> dict[str, str]:
        env = dict(os.environ)
        env.update(
            WINEPREFIX=str(self.prefix),
            WINEARCH="win64",
            DISPLAY=self.display or "",
            WINEDEBUG=debug,
            WINEDLLOVERRIDES="mscoree,mshtml=",  # no Mono or Gecko installer dialogs
        )
        env.pop("WAYLAND_DISPLAY", None)
        env.update(extra)
        return env

    def _start_wine(self) -> None:
        # The persistent server comes first, with no pipe of ours to inherit.
        self.prefix.mkdir(parents=True, exist_ok=True)
        subprocess.run(
            [self.wineserver, "-p"],
            env=self.env(),
            stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
            timeout=WINE_COMMAND_TIMEOUT,
            check=True,
        )
        boot = self.wine_command(["wineboot", "-i"], name="wineboot", timeout=120)
        if boot.returncode != 0:
            raise HarnessError(f"wineboot -i failed ({boot.returncode}), see {self.work_dir / 'wineboot.log'}")
        # The keeper holds a window on the desktop for the whole run, so Wine's desktop process
        # stays up instead of being restarted (with a scenario's stderr) by each program.
        with open(self.work_dir / "keeper.log", "wb") as log:
            self._keeper = subprocess.Popen(
                [self.wine, str(self.driver_exe), "hold", str(6 * 3600 * 1000)],
                env=self.env(),
                stdin=subprocess.DEVNULL,
                stdout=log,
                stderr=subprocess.STDOUT,
            )
        if not poll(lambda: self.driver("find", "VhDriverHold").ok, 30, 0.2):
            raise HarnessError("the keeper window did not appear")

    def stop(self) -> None:
        if not self._started:
            return
        self._started = False
        try:
            subprocess.run(
                [self.wineserver, "-k"],
                env=self.env(),
                stdin=subprocess.DEVNULL,
                stdout=subprocess.DEVNULL,
                stderr=subprocess.DEVNULL,
                timeout=30,
            )
            subprocess.run(
                [self.wineserver, "-w"],
                env=self.env(),
                stdin=subprocess.DEVNULL,
                stdout=subprocess.DEVNULL,
                stderr=subprocess.DEVNULL,
                timeout=30,
            )
        except (subprocess.TimeoutExpired, OSError):
            pass
        for process in (self._keeper, self._xvfb):
            if process and process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait(5)
        shutil.rmtree(self.prefix, ignore_errors=True)
        if not self.keep:
            shutil.rmtree(self.work_dir, ignore_errors=True)

    # -- running Windows commands ------------------------------------------------------------

    def wine_command(
        self, args: Sequence[str], name: str = "wine", timeout: float = WINE_COMMAND_TIMEOUT, debug: str = "-all"
    ) -> subprocess.CompletedProcess:
        """Runs one Windows command to its end; its output lands in <work>/<name>.log and is
        returned as stdout."""
        log = self.work_dir / f"{name}.log"
        with open(log, "wb") as out:
            try:
                completed = subprocess.run(
                    [self.wine, *args],
                    env=self.env(debug),
                    stdin=subprocess.DEVNULL,
                    stdout=out,
                    stderr=subprocess.STDOUT,
                    timeout=timeout,
                )
            except subprocess.TimeoutExpired as timeout_error:
                raise HarnessError(f"{' '.join(args)} did not end within {timeout} s") from timeout_error
        completed.stdout = log.read_text(encoding="utf-8", errors="replace")
        return completed

    def driver(self, *args: object, timeout: Optional[float] = None) -> DriverResult:
        """Runs vh-driver.exe. The default time limit is a margin plus the longest decimal argument
        taken as milliseconds (the waits of the commands that wait are given in decimal)."""
        text_args = tuple(str(a) for a in args)
        if timeout is None:
            waits = [int(a) for a in text_args[1:] if a.isdecimal()]
            timeout = 20 + max(waits, default=0) / 1000
        completed = self.wine_command([str(self.driver_exe), *text_args], name="driver", timeout=timeout)
        output = completed.stdout
        lines = [parse_driver_line(l) for l in output.splitlines() if "=" in l]
        return DriverResult(text_args, completed.returncode, lines, output)

    def start_driver(self, *args: object, name: str = "driver-bg") -> subprocess.Popen:
        """Starts vh-driver.exe without waiting for it (for commands that keep a window, such as
        front); its output goes to <work>/<name>.log. The caller ends it."""
        log_path = self.work_dir / f"{name}.log"
        with open(log_path, "wb") as log:
            return subprocess.Popen(
                [self.wine, str(self.driver_exe), *(str(a) for a in args)],
                env=self.env(),
                stdin=subprocess.DEVNULL,
                stdout=log,
                stderr=subprocess.STDOUT,
            )

    # -- registry ------------------------------------------------------------------------------

    def reg_query(self, key: str, value: str) -> Optional[tuple[str, str]]:
        """(type, data) of a value as reg.exe prints it, or None when it does not exist."""
        result = self.wine_command(["reg", "query", key, "/v", value], name="reg")
        if result.returncode != 0:
            return None
        for line in result.stdout.splitlines():
            parts = line.split(None, 2)
            if len(parts) >= 2 and parts[0].lower() == value.lower() and parts[1].startswith("REG_"):
                return parts[1], parts[2].strip() if len(parts) > 2 else ""
        return None

    def reg_set(self, key: str, value: str, kind: str, data: str) -> None:
        result = self.wine_command(["reg", "add", key, "/v", value, "/t", kind, "/d", data, "/f"], name="reg")
        stored = self.reg_query(key, value)
        if result.returncode != 0 or not stored or stored[0] != kind:
            raise HarnessError(f"reg add {key} {value} did not take effect: {result.stdout.strip()}")
        if kind == "REG_DWORD" and int(stored[1], 0) != int(data, 0):
            raise HarnessError(f"{key} {value} reads {stored[1]}, not {data}")
        if kind == "REG_SZ" and stored[1] != data:
            raise HarnessError(f"{key} {value} reads {stored[1]!r}, not {data!r}")

    def reg_delete(self, key: str, value: Optional[str] = None) -> None:
        """Deletes a value, or the whole key when value is None; fine when it is already gone."""
        args = ["reg", "delete", key] + (["/v", value] if value else []) + ["/f"]
        self.wine_command(args, name="reg")
        gone = self.reg_query(key, value) is None if value else self.wine_command(["reg", "query", key], name="reg").returncode != 0
        if not gone:
            raise HarnessError(f"reg delete {key} {value or ''} did not take effect")

    def set_feature_mask(self, mask: int | str | None) -> None:
        """Writes the program's feature mask (REG_DWORD); None deletes the value, NO_FEATURE_KEY
        the whole key. Only the program reads it, so an unchanged setting is not written again."""
        if self._settings.get("mask", ()) == mask:
            return
        self._settings.pop("mask", None)
        if mask == NO_FEATURE_KEY:
            self.reg_delete(FEATURE_KEY)
        elif mask is None:
            self.wine_command(["reg", "add", FEATURE_KEY, "/f"], name="reg")  # the key stays, the value goes
            self.reg_delete(FEATURE_KEY, FEATURE_VALUE)
        else:
            self.reg_set(FEATURE_KEY, FEATURE_VALUE, "REG_DWORD", str(mask))
        self._settings["mask"] = mask

    def set_windows_version(self, version: Optional[str]) -> None:
        """"win7", "win10", ... for the programs started from now on; None for Wine's default."""
        if self._settings.get("windows", ()) == version:
            return
        self._settings.pop("windows", None)
        if version is None:
            self.reg_delete(WINE_KEY, "Version")
        else:
            self.reg_set(WINE_KEY, "Version", "REG_SZ", version)
        self._settings["windows"] = version

    # -- other helpers -------------------------------------------------------------------------

    def _dump_screen(self, dump: Path) -> None:
        # With windows of more than one visual on the screen (Wine's layered windows have their
        # own), xwd walks the window tree; a window that goes away meanwhile makes it fail with
        # BadWindow. Another try then sees the tree as it is now.
        for _ in range(5):
            done = subprocess.run(["xwd", "-root", "-silent", "-display", self.display, "-out", str(dump)],
                                  timeout=30, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.PIPE)
            if done.returncode == 0:
                return
            time.sleep(0.05)
        raise HarnessError(f"xwd failed ({done.returncode}): {done.stderr.decode(errors='replace').strip()}")

    def screenshot(self, path: Path) -> Path:
        """The whole virtual screen as a PNG."""
        dump = Path(path).with_suffix(".xwd")
        self._dump_screen(dump)
        subprocess.run(["convert", f"xwd:{dump}", f"png:{path}"], check=True, timeout=60, stdin=subprocess.DEVNULL)
        dump.unlink()
        return Path(path)

    def screen_pixels(self, x: int, y: int, width: int, height: int) -> bytes:
        """A rectangle of the virtual screen as 8-bit RGB, row by row (width * height * 3 bytes)."""
        dump = self.work_dir / "screen.xwd"
        self._dump_screen(dump)
        try:
            converted = subprocess.run(
                ["convert", f"xwd:{dump}", "-crop", f"{width}x{height}+{x}+{y}", "+repage", "-depth", "8", "rgb:-"],
                check=True, timeout=60, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
            )
        finally:
            dump.unlink(missing_ok=True)
        if len(converted.stdout) != width * height * 3:
            raise HarnessError(f"screen crop {width}x{height}+{x}+{y}: {len(converted.stdout)} bytes")
        return converted.stdout

    def new_run_folder(self, name: str) -> Path:
        """A fresh folder for one program run, named after the scenario."""
        safe = re.sub(r"[^\w.-]+", "_", name)[:120]
        unique, n = safe, 1
        while unique in self._run_names:
            n += 1
            unique = f"{safe}.{n}"
        self._run_names.add(unique)
        folder = self.runs_dir / unique
        folder.mkdir(parents=True)
        return folder


# --------------------------------------------------------------------------------------------
# One run of the program


def vendor_state_text(state: dict[str, object] | str | None) -> str:
    if state is None:
        return ""
    if isinstance(state, str):
        return state
    return "".join(f"{key}={value}\n" for key, value in state.items())


class Program:
    """VarnoHotkey.exe in its own run folder, with the stand-ins beside it."""

    def __init__(self, session: WineSession, folder: Path, debug_channels: Sequence[str] = ()):
        self.session = session
        self.folder = folder
        self.exe = folder / PROGRAM_NAME
        self.debug = ",".join([BASE_DEBUG, *debug_channels])
        self.process: Optional[subprocess.Popen] = None
        self.log: Optional[DebugLog] = None
        self.pid: Optional[int] = None  # Windows process id, once the controller window was seen
        self.hwnd: Optional[int] = None
        if not self.exe.exists():
            if not session.program.exists():
                raise HarnessError(f"{session.program} does not exist; build win64 first")
            shutil.copy2(session.program, self.exe)
            for name in STANDINS:
                source = session.testbed_bin / name
                if source.exists():
                    shutil.copy2(source, folder / name)

    def write_state(self, state: dict[str, object] | str | None) -> None:
        """Replaces VendorState.txt in one step, as the stand-ins do."""
        temporary = self.folder / (VENDOR_STATE + ".new")
        temporary.write_text(vendor_state_text(state), encoding="utf-8", newline="\n")
        os.replace(temporary, self.folder / VENDOR_STATE)

    def read_state(self) -> dict[str, str]:
        values: dict[str, str] = {}
        path = self.folder / VENDOR_STATE
        if path.exists():
            for line in path.read_text(encoding="utf-8").splitlines():
                key, sep, value = line.partition("=")
                if sep and not line.lstrip().startswith("#"):
                    values.setdefault(key.strip(), value.strip())
        return values

    def start(self, wait_window: bool = True, name: str = "program") -> "Program":
        """Starts the program; with wait_window, waits until its controller window exists."""
        stderr_path = self.folder / f"{name}.stderr.log"
        stdout_path = self.folder / f"{name}.stdout.log"
        self.log = DebugLog(stderr_path)
        with open(stdout_path, "wb") as out, open(stderr_path, "wb") as err:
            self.process = subprocess.Popen(
                [self.session.wine, str(self.exe)],
                cwd=self.folder,
                env=self.session.env(self.debug),
                stdin=subprocess.DEVNULL,
                stdout=out,
                stderr=err,
            )
        if wait_window:
            self.wait_controller()
        return self

    def wait_controller(self, timeout: float = START_TIMEOUT) -> DriverResult:
        """Waits for a controller window of this process (a copy run earlier may still exist)."""

        def seen():
            if self.process.poll() is not None:
                return "exited"
            result = self.session.driver("find", CONTROLLER_CLASS, 500)
            return result if result.ok else None

        result = poll(seen, timeout, 0.1)
        if not isinstance(result, DriverResult):
            raise AssertionError(
                f"no {CONTROLLER_CLASS} window ({'program exited' if result else 'timeout'}); "
                f"debug lines: {self.log.lines()}"
            )
        self.pid = int(result["pid"])
        self.hwnd = int(result["hwnd"], 0)
        self.log.pid = self.pid
        return result

    @property
    def running(self) -> bool:
        return self.process is not None and self.process.poll() is None

    def wait_exit(self, timeout: float = EXIT_TIMEOUT) -> Optional[int]:
        """The exit code, or None when the program is still running when the time is up."""
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def post(self, message: int, wparam: int = 0, lparam: int = 0) -> DriverResult:
        target = f"hwnd={self.hwnd:#x}" if self.hwnd else CONTROLLER_CLASS
        return self.session.driver("post", target, hex(message), hex(wparam), hex(lparam))

    def close(self, timeout: float = EXIT_TIMEOUT) -> Optional[int]:
        """WM_CLOSE to the controller window; the exit code, or None when it did not end."""
        if not self.running:
            return self.process.returncode if self.process else None
        self.post(WM_CLOSE)
        return self.wait_exit(timeout)

    def stop(self) -> None:
        """Ends the program whatever state it is in: WM_CLOSE first, then kill."""
        if not self.running:
            return
        if self.close() is None:
            self.process.kill()
            self.process.wait(10)

    # -- debug lines -----------------------------------------------------------------------------

    def lines(self) -> list[str]:
        return self.log.lines()

    def lines_from(self, prefix: str) -> list[str]:
        return self.log.lines_from(prefix)

    def wait_for_line(self, match: str | Callable[[str], bool], timeout: float = LINE_TIMEOUT) -> Record:
        """Waits for a debug line equal to match (or for which match is true). Stops early when the
        program has ended and its output has been read to the end."""

        def found():
            record = self.log.find(match)
            if record or self.running:
                return record
            return self.log.find(match) or "exited"

        result = poll(found, timeout)
        if not isinstance(result, Record):
            reason = "program exited" if result else f"not within {timeout} s"
            raise AssertionError(f"no debug line {match!r} ({reason}); lines: {self.lines()}")
        return result

    def hook_installs(self) -> list[Record]:
        """SetWindowsHookEx(WH_KEYBOARD_LL) calls of this process; needs the trace+hook channel."""
        return [r for r in self.log.trace("hook", "NtUserSetWindowsHookEx") if r.rest.startswith("WH_KEYBOARD_LL ")]

    def hook_calls(self) -> list[Record]:
        """Calls into this process's low-level keyboard hooks; needs the trace+hook channel."""
        return [
            r for r in self.log.trace("hook", "call_hook") if r.rest.startswith("calling hook") and " WH_KEYBOARD_LL " in r.rest
        ]


# --------------------------------------------------------------------------------------------
# A Windows program started with an exact command line


def windows_path(path: Path | str) -> str:
    """The path as the Windows programs under Wine see it: drive Z: is the Unix root."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


class CommandLineRun:
    """A Windows program run from its own folder by a batch file of cmd.exe.

    wine builds the Windows command line from its own arguments and quotes only those with blanks,
    so a command line such as /log "C:\\x\\l.txt" cannot be handed over that way. The batch file
    holds it exactly as written, after the program's name (".\\Setup.exe", found in the current
    folder, which is the program's folder). In a batch file cmd waits for every program, GUI ones
    too, and then writes %ERRORLEVEL% to <name>.exitcode.txt: the exit code as a calling process gets
    it from GetExitCodeProcess, read as a signed 32-bit number. The debug output of the program and
    of what it starts lands in <name>.stderr.log."""

    def __init__(self, session: WineSession, exe: Path, arguments: str = "", name: str = "run",
                 debug: str = BASE_DEBUG):
        # cmd would expand % and cannot read text beyond ASCII from the batch file reliably.
        if "%" in arguments or any(not (" " <= c <= "~") for c in arguments):
            raise HarnessError(f"command line not representable in a batch file: {arguments!r}")
        self.session = session
        self.exe = Path(exe)
        self.folder = self.exe.parent
        self.arguments = arguments
        self.name = name
        self.debug = debug
        self.batch = self.folder / f"{name}.cmd"
        self.exit_file = self.folder / f"{name}.exitcode.txt"
        self.log = DebugLog(self.folder / f"{name}.stderr.log")
        self.process: Optional[subprocess.Popen] = None
        self.exit_code: Optional[int] = None

    def start(self) -> "CommandLineRun":
        self.exit_file.unlink(missing_ok=True)
        script = f'@echo off\r\n".\\{self.exe.name}" {self.arguments}\r\n>"{self.exit_file.name}" echo %ERRORLEVEL%\r\n'
        self.batch.write_bytes(script.encode("ascii"))
        with open(self.folder / f"{self.name}.stdout.log", "wb") as out, open(self.log.path, "wb") as err:
            self.process = subprocess.Popen(
                [self.session.wine, "cmd", "/c", self.batch.name],
                cwd=self.folder,
                env=self.session.env(self.debug),
                stdin=subprocess.DEVNULL,
                stdout=out,
                stderr=err,
            )
        return self

    @property
    def running(self) -> bool:
        return self.process is not None and self.process.poll() is None

    def wait(self, timeout: float = EXIT_TIMEOUT) -> Optional[int]:
        """The program's exit code, or None when it is still running when the time is up."""
        try:
            self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None
        try:
            self.exit_code = int(self.exit_file.read_text(encoding="ascii").strip())
        except (FileNotFoundError, ValueError) as error:
            raise HarnessError(f"cmd ended ({self.process.returncode}) without an exit code of {self.exe.name}") from error
        return self.exit_code

    def stop(self) -> None:
        """Ends cmd if it is still running. The program itself lives on until what it waits for ends
        or the session is stopped; a scenario that keeps a program waiting must release it."""
        if self.running:
            self.process.kill()
            self.process.wait(10)

    def lines(self) -> list[str]:
        """Every OutputDebugString text of the program and of the programs it started."""
        return self.log.lines()


# --------------------------------------------------------------------------------------------
# unittest glue

_session: Optional[WineSession] = None


def session() -> WineSession:
    """The run's one session, started at first use and stopped at interpreter exit."""
    global _session
    if _session is None:
        build_dir = Path(os.environ.get("VH_BUILD_DIR") or SOURCE_ROOT / "build" / "win64")
        _session = WineSession(build_dir, keep=os.environ.get("VH_E2E_KEEP") == "1")
        atexit.register(stop_session)
        _install_signal_handlers()
        _session.start()
    return _session


def current_session() -> Optional[WineSession]:
    """The session if one was started, without starting one."""
    return _session


def stop_session() -> None:
    global _session
    if _session is not None:
        _session.stop()
        _session = None


def _install_signal_handlers() -> None:
    def interrupted(signum, _frame):
        raise KeyboardInterrupt(f"signal {signum}")

    for signum in (signal.SIGTERM, signal.SIGHUP):
        if signal.getsignal(signum) in (signal.SIG_DFL, None):
            signal.signal(signum, interrupted)


def subsequence_gaps(lines: Sequence[str], expected: Sequence[str]) -> Optional[str]:
    """None when expected occurs in lines in this order (others may come between), else the first
    expected line that is missing from where it should be."""
    position = 0
    for wanted in expected:
        try:
            position = lines.index(wanted, position) + 1
        except ValueError:
            return wanted
    return None


class ProgramTestCase(unittest.TestCase):
    """Base of the scenarios: a session, fresh run folders, and programs stopped after each test."""

    maxDiff = None

    @classmethod
    def setUpClass(cls):
        cls.session = session()

    def run_name(self, suffix: str = "") -> str:
        """Class.method of the running test, for its run folders."""
        return ".".join(self.id().split(".")[-2:]) + suffix

    def launch(
        self,
        mask: int | str | None = 0x0401,
        windows: Optional[str] = "win7",
        state: dict[str, object] | str | None = None,
        debug_channels: Sequence[str] = (),
        wait_window: bool = True,
        folder: Optional[Path] = None,
    ) -> Program:
        """Sets the feature mask and Windows version, writes VendorState.txt and starts the program.
        The program is stopped when the test ends, whatever its outcome."""
        self.session.set_feature_mask(mask)
        self.session.set_windows_version(windows)
        program = Program(self.session, folder or self.session.new_run_folder(self.run_name()), debug_channels)
        program.write_state(state)
        self.addCleanup(program.stop)
        program.start(wait_window=wait_window)
        return program

    def assertInOrder(self, lines: Sequence[str], expected: Sequence[str]):
        missing = subsequence_gaps(lines, expected)
        if missing is not None:
            self.fail(f"{missing!r} missing or out of order; expected order {list(expected)}; lines: {list(lines)}")

    def assertNoLine(self, lines: Sequence[str], test: str | Callable[[str], bool], what: str = ""):
        check = test if callable(test) else (lambda text: text == test)
        unwanted = [line for line in lines if check(line)]
        self.assertEqual(unwanted, [], what or f"unexpected lines in {list(lines)}")


def kavrel_calls(lines: Iterable[str], command: int) -> list[str]:
    """The stand-in's lines for one KavrelEvaluate command."""
    prefix = f"[Kavrel] KavrelEvaluate cmd=0x{command:02X} "
    return [line for line in lines if line.startswith(prefix)]
