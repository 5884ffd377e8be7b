"""Drives the real Pellorinth.exe under Wine for the end-to-end tests.

One run shares one private X display (Xvfb -displayfd, 1280x1024x24) and one
private Wine prefix booted once (wineboot -i) with a persistent wineserver.
Every test gets a folder of its own holding its own copy of Pellorinth.exe, so
the data file Pellorinth_data beside it is private to the test. Everything the
harness starts is stopped by process id when the test ends; the prefix's
wineserver is stopped with `wineserver -k` when the run ends.

Writing a test (tests/e2e/test_<feature>.py, Python 3 standard library only):

    from harness import BarTestCase

    class FeatureTests(BarTestCase):
        def test_bar_sits_on_the_top_edge(self):
            self.start_bar()                  # returns once the bar is visible
            left, top, right, bottom = self.bar_rect()
            self.assertEqual(top, self.work_area(0)[1])

Helpers of BarTestCase (coordinates are screen pixels, rectangles are
(left, top, right, bottom) with right and bottom exclusive):

    start_bar(data_file_text=None, wait=True, folder=None, files=None, env=None)
        copy the exe into a fresh folder (or `folder`), write the data file
        (str, bytes or a list of lines; str is written as cp1252), write extra
        `files` {name: bytes|str} beside it, start it (`env` adds to its
        environment, say LANG for another code page); returns a Bar
    find_bar() / bar_windows()   hwnd of the bar window or None / every one
    bar_rect(), bar_visible(), bar_alpha(), work_area(i), windows()
    window_style(hwnd)           (style, extended style, owner hwnd or 0)
    watch_alpha(duration_ms, hwnd=None, then=None)
                                 samples the bar's (or hwnd's) layered alpha and
                                 visibility every ~5 ms for duration_ms, calling
                                 then() once sampling runs; [(ms, alpha, visible)]
                                 at each change, the first at about 0 ms, alpha
                                 None once the window is destroyed
    hint_window(), hint_rect(), hint_visible()   the floating item name window
    screenshot(name=None)        Shot: .path (PNG) and .pixel(x, y) -> (r, g, b)
    pixel(x, y)                  one pixel of a fresh screenshot
    move(x, y), click(x, y, button=1), right_click(x, y), double_click(x, y),
    drag(x0, y0, x1, y1), key(*names), type_text(text)        (xdotool)
    drop_files(x, y, paths, check=True)   moves the pointer to (x, y) and drops
                                 the files there over XDND, as a file manager
                                 does (tests/e2e/xdnd/xdnd_drop.c, built with cc
                                 once per run); (exit status, message): 0 taken,
                                 2 refused; with check, anything but 0 fails
    wait_for(fn, timeout=10, message=...)  poll until fn() is truthy, return it
    wait_exit(bar, timeout=10)   exit status, or None while it still runs
    read_data_file(bar=None, raw=False)    the data file's text, or None
    probe(*args, check=True)     run the probe (tests/e2e/probe/Probe.cpp), stdout
    make_window(cls, caption, rect=None, front=False)   a stand-in window until
                                 the test ends, in the foreground with front;
                                 stand_in_reports(hwnd) reads the drops it got
    message_boxes(), box_text(hwnd), click_button(hwnd, which)
    controls(hwnd)               {control id: dict of hwnd, cls, text, visible,
                                 enabled, rect} of every child window
    send(hwnd, message, wparam=0, lparam=0)   SendMessage from the probe; the result
    own_prefix()                 context manager: the block runs in a Wine prefix of
                                 its own on the same display (booted for it, ~8 s),
                                 for tests that would disturb the shared prefix
    session.x_work_area(area)    sets the X root's _NET_WORKAREA (None removes it)
                                 as a desktop panel does; Wine reads it when the
                                 probe's `resetdisplay` makes it take stock of the
                                 displays; returns the earlier value
    winpath(path)                Unix path -> Wine path (Z:\\...)
    colorref(value)              0x00BBGGRR -> (r, g, b)

Run everything with `python3 tests/e2e/run.py` (scripts/test does); it prints
`N passed, N failed` last. Environment: PEL_EXE and PEL_PROBE name the
programs (default build/win64), PEL_E2E_ARTIFACTS the folder for screenshots
and logs of failed tests (default /tmp/pel-e2e-artifacts; scripts/test uses
build/e2e-artifacts), PEL_E2E_KEEP=1 keeps the run's temporary folder.
"""

import atexit
import contextlib
import io
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import unittest

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BAR_CLASS = "TFormPellorinth"
BAR_CAPTION = "FormPellorinth"
HINT_CLASS = "TFormHint"
HINT_CAPTION = "Pellorinth"
XDND_SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "xdnd", "xdnd_drop.c")
DATA_FILE_NAME = "Pellorinth_data"
SCREEN = "1280x1024x24"


class HarnessError(RuntimeError):
    pass


def find_program(env_name, name):
    """The program from the environment, else the one the cross build made."""
    if os.environ.get(env_name):
        return os.path.abspath(os.environ[env_name])
    return os.path.join(REPO, "build", "win64", name)


def default_exe():
    return find_program("PEL_EXE", "Pellorinth.exe")


def default_probe():
    return find_program("PEL_PROBE", "probe.exe")


def winpath(path):
    """A Unix path as Wine sees it through drive Z:."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def colorref(value):
    """A 0x00BBGGRR colour as an (r, g, b) tuple."""
    return (value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF)


def stop_process(proc, grace=3.0):
    """Ends one process we started, by its id: politely first, then by force."""
    if proc is None or proc.poll() is not None:
        return
    proc.terminate()
    try:
        proc.wait(timeout=grace)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait(timeout=10)


def end_cleanly_on_sigterm():
    """Lets `timeout` or a CI runner's SIGTERM run the clean-up code too."""
    if threading.current_thread() is threading.main_thread() and \
            signal.getsignal(signal.SIGTERM) == signal.SIG_DFL:
        signal.signal(signal.SIGTERM, lambda signum, frame: sys.exit(128 + signum))


def prefix_processes(prefix):
    """Ids of the processes running with this Wine prefix (ours alone use it)."""
    wanted = ("WINEPREFIX=" + prefix).encode()
    pids = []
    for name in os.listdir("/proc"):
        if not name.isdigit() or int(name) == os.getpid():
            continue
        try:
            with open("/proc/%s/environ" % name, "rb") as f:
                if wanted in f.read().split(b"\0"):
                    pids.append(int(name))
        except OSError:
            continue
    return pids


def end_prefix_processes(prefix):
    for _ in range(5):
        pids = prefix_processes(prefix)
        if not pids:
            return
        for pid in pids:
            try:
                os.kill(pid, signal.SIGKILL)
            except OSError:
                pass
        time.sleep(0.2)


class Shot:
    """A screenshot of the whole X screen."""

    def __init__(self, path):
        self.path = path
        self._pixels = None
        self.width = self.height = 0

    def _load(self):
        if self._pixels is not None:
            return
        ppm = subprocess.run(["convert", self.path, "-depth", "8", "ppm:-"],
                             capture_output=True, check=True, timeout=30).stdout
        # P6 header: magic, width, height, maximum, then one whitespace byte.
        match = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", ppm)
        if not match:
            raise HarnessError("unreadable screenshot " + self.path)
        self.width, self.height = int(match.group(1)), int(match.group(2))
        self._pixels = ppm[match.end():]

    def pixel(self, x, y):
        self._load()
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise HarnessError("pixel (%d, %d) is off the screen" % (x, y))
        offset = 3 * (y * self.width + x)
        return tuple(self._pixels[offset:offset + 3])

    def colors_in(self, rect):
        """How often each (r, g, b) colour occurs inside the rectangle."""
        self._load()
        counts = {}
        left, top, right, bottom = rect
        for y in range(max(top, 0), min(bottom, self.height)):
            for x in range(max(left, 0), min(right, self.width)):
                color = self.pixel(x, y)
                counts[color] = counts.get(color, 0) + 1
        return counts


class Session:
    """The display and Wine prefix that every test of a run shares."""

    _current = None

    def __init__(self, exe=None, probe=None, artifacts=None, keep=None, display=None):
        """With `display`, the session boots a prefix of its own on that
        running X display and leaves the display alone when it stops."""
        self.exe = exe or default_exe()
        self.probe_exe = probe or default_probe()
        self.artifacts = artifacts or os.environ.get(
            "PEL_E2E_ARTIFACTS", os.path.join(tempfile.gettempdir(), "pel-e2e-artifacts"))
        self.keep = keep if keep is not None else os.environ.get("PEL_E2E_KEEP") == "1"
        self.root = None
        self.env = None
        self.display = display
        self.borrowed_display = display is not None
        self.xvfb = None
        self.started = False
        self.children = []

    @classmethod
    def current(cls):
        """The running session; started on first use when a test runs alone."""
        if cls._current is None:
            cls._current = Session()
            cls._current.start()
            atexit.register(cls._current.stop)
        return cls._current

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        self.stop()

    def start(self):
        for path, what in ((self.exe, "Pellorinth.exe"), (self.probe_exe, "probe.exe")):
            if not os.path.isfile(path):
                raise HarnessError("%s not found at %s (build it first)" % (what, path))
        self.root = tempfile.mkdtemp(prefix="pel-e2e-")
        if not self.borrowed_display:
            Session._current = self
        end_cleanly_on_sigterm()
        try:
            if not self.borrowed_display:
                self._start_xvfb()
            self._boot_prefix()
        except BaseException:
            self.stop()
            raise
        self.started = True

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        log = open(os.path.join(self.root, "xvfb.log"), "wb")
        try:
            self.xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN,
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=log,
                stderr=subprocess.STDOUT)
        finally:
            os.close(write_end)
            log.close()
        number = b""
        deadline = time.monotonic() + 30
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            ready, _, _ = select.select([read_end], [], [], 0.5)
            if ready:
                chunk = os.read(read_end, 64)
                if not chunk:
                    break
                number += chunk
            elif self.xvfb.poll() is not None:
                break
        os.close(read_end)
        if not number.strip().isdigit():
            raise HarnessError("Xvfb did not start; see " + os.path.join(self.root, "xvfb.log"))
        self.display = ":" + number.strip().decode()

    def _boot_prefix(self):
        self.env = dict(os.environ)
        self.env.update({
            "DISPLAY": self.display,
            "WINEPREFIX": os.path.join(self.root, "prefix"),
            "WINEARCH": "win64",
            "WINEDEBUG": "-all",
            "WINEDLLOVERRIDES": "mscoree,mshtml=",
            "LANG": "C.UTF-8",
            "LC_ALL": "C.UTF-8",
        })
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env.setdefault("HOME", self.root)
        os.makedirs(self.env["WINEPREFIX"])
        log_path = os.path.join(self.root, "wineboot.log")
        with open(log_path, "wb") as log:
            # A persistent server spares every later start its set-up; it is
            # stopped with `wineserver -k`, which touches only this prefix.
            subprocess.run(["wineserver", "-p"], env=self.env, stdin=subprocess.DEVNULL,
                           stdout=log, stderr=subprocess.STDOUT, check=True, timeout=60)
            subprocess.run(["wineboot", "-i"], env=self.env, stdin=subprocess.DEVNULL,
                           stdout=log, stderr=subprocess.STDOUT, check=True, timeout=240)
            # A crash must end the program, not wait in a dialog nobody closes.
            subprocess.run(["wine", "reg", "add", r"HKCU\Software\Wine\WineDbg", "/v",
                            "ShowCrashDialog", "/t", "REG_DWORD", "/d", "0", "/f"],
                           env=self.env, stdin=subprocess.DEVNULL, stdout=log,
                           stderr=subprocess.STDOUT, check=True, timeout=60)
        self.probe_copy = os.path.join(self.root, "probe.exe")
        shutil.copy2(self.probe_exe, self.probe_copy)
        # Wine's own processes own windows too; they are the ones never ended.
        self.system_pids = {w["pid"] for w in parse_windows(self.probe("list")[1])}

    def spawn(self, args, cwd=None, log_path=None, stdout=None, env=None):
        """Starts a Wine program (or any command) and remembers it for stop();
        `env` adds to or overrides the session's environment."""
        log = open(log_path, "ab") if log_path else subprocess.DEVNULL
        try:
            # Unbuffered, so select() on a piped stdout tells the truth.
            proc = subprocess.Popen(args, cwd=cwd, env=dict(self.env, **(env or {})),
                                    stdin=subprocess.DEVNULL,
                                    stdout=stdout if stdout is not None else log,
                                    stderr=log, bufsize=0)
        finally:
            if log_path:
                log.close()
        self.children.append(proc)
        return proc

    def probe(self, *args, check=True, timeout=30):
        """Runs the probe and returns (exit status, stdout text)."""
        result = subprocess.run(["wine", self.probe_copy] + [str(a) for a in args],
                                env=self.env, stdin=subprocess.DEVNULL, capture_output=True,
                                timeout=timeout)
        out = result.stdout.decode("utf-8", "replace").replace("\r\n", "\n").rstrip("\n")
        if check and result.returncode != 0:
            raise HarnessError("probe %s failed (%d): %s" % (
                " ".join(str(a) for a in args), result.returncode,
                result.stderr.decode("utf-8", "replace").strip()))
        return result.returncode, out

    def xdnd_tool(self):
        """The XDND drop tool, compiled on first use into the run's folder."""
        path = os.path.join(self.root, "xdnd_drop")
        if not os.path.isfile(path):
            result = subprocess.run(["cc", "-O2", "-o", path, XDND_SOURCE, "-lX11"],
                                    stdin=subprocess.DEVNULL, capture_output=True, timeout=120)
            if result.returncode != 0:
                raise HarnessError("cannot build %s (needs cc and libx11-dev): %s" % (
                    XDND_SOURCE, result.stderr.decode("utf-8", "replace").strip()))
        return path

    def xdotool(self, *args):
        result = subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env, check=True,
                                stdin=subprocess.DEVNULL, capture_output=True, timeout=30)
        return result.stdout.decode("ascii", "replace")

    def pointer(self):
        """The pointer's position as X sees it."""
        out = self.xdotool("getmouselocation", "--shell")
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(values["X"]), int(values["Y"])

    def x_work_area(self, area=None):
        """Sets (or with None removes) the root window's _NET_WORKAREA, which
        a desktop panel sets and Wine reads when it takes stock of the
        displays (probe resetdisplay). Returns the value it had, or None."""
        out = subprocess.run(["xprop", "-root", "_NET_WORKAREA"], env=self.env, check=True,
                             stdin=subprocess.DEVNULL, capture_output=True, timeout=30)
        numbers = re.findall(r"-?\d+", out.stdout.decode("ascii", "replace").partition("=")[2])
        before = tuple(int(n) for n in numbers[:4]) if len(numbers) >= 4 else None
        if area is None:
            command = ["xprop", "-root", "-remove", "_NET_WORKAREA"]
        else:
            left, top, right, bottom = area
            command = ["xprop", "-root", "-format", "_NET_WORKAREA", "32c", "-set",
                       "_NET_WORKAREA", "%d, %d, %d, %d" % (left, top, right - left, bottom - top)]
        subprocess.run(command, env=self.env, check=True, stdin=subprocess.DEVNULL,
                       capture_output=True, timeout=30)
        return before

    def screenshot(self, path):
        subprocess.run(["import", "-display", self.display, "-window", "root", path],
                       env=self.env, check=True, stdin=subprocess.DEVNULL,
                       capture_output=True, timeout=60)
        return Shot(path)

    def stop(self):
        for proc in self.children:
            stop_process(proc)
        self.children = []
        if self.env is not None and os.path.isdir(self.env["WINEPREFIX"]):
            try:
                subprocess.run(["wineserver", "-k"], env=self.env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)
                subprocess.run(["wineserver", "-w"], env=self.env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
            except subprocess.TimeoutExpired:
                pass
        if self.env is not None:
            # A Wine process that outlived its server would boot the prefix
            # anew once it is deleted, and live on: end every one of ours.
            end_prefix_processes(self.env["WINEPREFIX"])
        stop_process(self.xvfb)
        self.xvfb = None
        if self.root and not self.keep:
            shutil.rmtree(self.root, ignore_errors=True)
        elif self.root:
            print("kept " + self.root)
        self.root = None
        self.env = None
        if Session._current is self:
            Session._current = None


class Bar:
    """One started copy of the program in its own folder."""

    def __init__(self, folder, proc, log_path):
        self.folder = folder
        self.proc = proc
        self.log_path = log_path
        self.exe = os.path.join(folder, "Pellorinth.exe")
        self.data_path = os.path.join(folder, DATA_FILE_NAME)

    @property
    def returncode(self):
        return self.proc.poll()

    def running(self):
        return self.proc.poll() is None

    def log(self):
        try:
            with open(self.log_path, "rb") as f:
                return f.read().decode("utf-8", "replace")
        except OSError:
            return ""


def encode_data_file(content):
    if isinstance(content, bytes):
        return content
    if isinstance(content, (list, tuple)):
        return "".join(line + "\r\n" for line in content).encode("cp1252")
    return content.encode("cp1252")


class BarTestCase(unittest.TestCase):
    """Base class of the end-to-end tests; see the module text for the helpers."""

    start_timeout = 20.0

    def setUp(self):
        self.session = Session.current()
        self.bar = None
        self._procs = []
        self._bars = []
        self._stand_ins = {}
        self._folders = 0

    def tearDown(self):
        if self._has_failed():
            self._save_artifacts()
        for proc in self._procs:
            stop_process(proc)
            if proc in self.session.children:
                self.session.children.remove(proc)
        self._end_strays()

    def _end_strays(self):
        """Ends what the test left on the screen, say a program the bar launched."""
        code, listing = self.session.probe("list", check=False)
        for window in parse_windows(listing) if code == 0 else []:
            if window["visible"] and window["pid"] not in self.session.system_pids:
                self.session.probe("kill", window["hwnd"], check=False)

    def _has_failed(self):
        # unittest offers no public way to ask this from tearDown.
        result = getattr(getattr(self, "_outcome", None), "result", None)
        reported = list(getattr(result, "failures", [])) + list(getattr(result, "errors", []))
        return any(test is self for test, _ in reported)

    def _save_artifacts(self):
        base = os.path.join(self.session.artifacts, self.id().split(".", 1)[-1])
        try:
            os.makedirs(self.session.artifacts, exist_ok=True)
            self.session.screenshot(base + ".png")
            _, listing = self.session.probe("list", check=False)
            with open(base + ".windows.txt", "w") as f:
                f.write(listing + "\n")
            if self.bar is not None:
                shutil.copy2(self.bar.log_path, base + ".log")
            print("\n  artifacts: " + base + ".*")
        except (OSError, subprocess.SubprocessError, HarnessError) as error:
            print("\n  no artifacts: %s" % error)

    # Starting and stopping ------------------------------------------------

    def new_folder(self):
        self._folders += 1
        name = "%s-%d" % (self.id().split(".")[-1], self._folders)
        folder = os.path.join(self.session.root, "tests", name)
        os.makedirs(folder)
        return folder

    def start_bar(self, data_file_text=None, wait=True, folder=None, files=None, env=None):
        if folder is None:
            folder = self.new_folder()
            shutil.copy2(self.session.exe, os.path.join(folder, "Pellorinth.exe"))
        if data_file_text is not None:
            with open(os.path.join(folder, DATA_FILE_NAME), "wb") as f:
                f.write(encode_data_file(data_file_text))
        for name, content in (files or {}).items():
            with open(os.path.join(folder, name), "wb") as f:
                f.write(content if isinstance(content, bytes) else content.encode("utf-8"))
        if not any(b.running() for b in self._bars):
            # A bar of the previous test may still be going away; a new copy
            # would take it for a running one and end, or a test would measure it.
            self.wait_for(lambda: self.find_bar() is None, timeout=15,
                          message="the previous test's bar to go")
        log_path = os.path.join(folder, "wine.log")
        if not os.access(folder, os.W_OK):  # a read-only mount
            log_path = os.path.join(self.new_folder(), "wine.log")
        # A bar that auto-hides may show for less time than a probe takes to
        # start, so with no other bar about one probe watches from before it starts.
        watcher = None
        if wait and not any(b.running() for b in self._bars):
            watcher = self.session.spawn(
                ["wine", self.session.probe_copy, "waitshown", BAR_CLASS, BAR_CAPTION,
                 str(int(self.start_timeout * 1000))], stdout=subprocess.DEVNULL)
        proc = self.session.spawn(["wine", os.path.join(folder, "Pellorinth.exe")],
                                  cwd=folder, log_path=log_path, env=env)
        self._procs.append(proc)
        bar = Bar(folder, proc, log_path)
        self._bars.append(bar)
        if self.bar is None:
            self.bar = bar
        if wait and watcher is not None:
            self.wait_for(lambda: watcher.poll() is not None or not bar.running(),
                          timeout=self.start_timeout + 5, message="the bar window to show")
            if watcher.poll() is None:
                watcher.kill()
                watcher.wait()
            elif bar.running() and watcher.returncode != 0:
                self.fail("the bar window never showed")
        elif wait:
            self.wait_for(lambda: self.bar_visible() or not bar.running(),
                          timeout=self.start_timeout, message="the bar window to show")
            if not bar.running():
                self.fail("the bar ended at start with status %s\n%s" % (bar.returncode,
                                                                          bar.log()))
        return bar

    def wait_exit(self, bar=None, timeout=10.0):
        bar = bar or self.bar
        try:
            return bar.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def make_window(self, cls, caption, rect=None, front=False):
        """A window of any class and caption, kept until the test ends. It
        accepts dropped files and reports each drop (see stand_in_reports).
        With `front` (and a rect) it is made the foreground window."""
        args = ["wine", self.session.probe_copy, "makewin", cls, caption]
        if rect is not None:
            left, top, right, bottom = rect
            args += [left, top, right - left, bottom - top]
            if front:
                args.append("front")
        proc = self.session.spawn([str(a) for a in args], stdout=subprocess.PIPE)
        self._procs.append(proc)
        line = read_line(proc.stdout, timeout=20)
        if not line.isdigit():
            self.fail("the stand-in window was not created")
        self._stand_ins[int(line)] = proc
        return int(line)

    def stand_in_reports(self, hwnd, count=1, timeout=10.0):
        """The next `count` lines a stand-in window printed: for a drop,
        ["drop", x, y, path, ...] with the paths as received."""
        stream = self._stand_ins[hwnd].stdout
        reports = []
        for _ in range(count):
            line = read_line(stream, timeout)
            if not line:
                self.fail("the stand-in window reported nothing within %.1f s" % timeout)
            fields = line.replace(" ", "\t", 2).split("\t")
            reports.append([unescape(f) for f in fields])
        return reports

    # Looking at windows ---------------------------------------------------

    def probe(self, *args, check=True):
        return self.session.probe(*args, check=check)[1]

    def find_bar(self):
        code, out = self.session.probe("find", BAR_CLASS, BAR_CAPTION, check=False)
        return int(out) if code == 0 and out.isdigit() else None

    def bar_windows(self):
        out = self.probe("findall", BAR_CLASS, BAR_CAPTION)
        return [int(line) for line in out.splitlines() if line.strip()]

    def bar_hwnd(self):
        # One look can miss under load (a probe start that fails); a bar that
        # is really gone stays gone for the second.
        deadline = time.monotonic() + 2.0
        hwnd = self.find_bar()
        while hwnd is None and time.monotonic() < deadline:
            time.sleep(0.1)
            hwnd = self.find_bar()
        if hwnd is None:
            self.fail("there is no bar window")
        return hwnd

    def bar_rect(self, hwnd=None):
        return tuple(int(v) for v in self.probe("rect", hwnd or self.bar_hwnd()).split())

    def bar_visible(self, hwnd=None):
        hwnd = hwnd or self.find_bar()
        if hwnd is None:
            return False
        code, out = self.session.probe("visible", hwnd, check=False)
        return code == 0 and out == "1"

    def bar_alpha(self, hwnd=None):
        return int(self.probe("alpha", hwnd or self.bar_hwnd()).split()[0])

    def window_style(self, hwnd):
        return tuple(int(v) for v in self.probe("style", hwnd).split())

    def watch_alpha(self, duration_ms, hwnd=None, then=None):
        hwnd = hwnd or self.bar_hwnd()
        proc = self.session.spawn(["wine", self.session.probe_copy, "watch", str(hwnd),
                                   str(int(duration_ms))], stdout=subprocess.PIPE)
        self._procs.append(proc)
        # The first line is the first sample: from then on no change is missed.
        first = read_line(proc.stdout, timeout=20)
        if not first:
            self.fail("the probe did not start watching window %d" % hwnd)
        if then is not None:
            then()
        try:
            rest, _ = proc.communicate(timeout=duration_ms / 1000.0 + 20)
        except subprocess.TimeoutExpired:
            stop_process(proc)
            self.fail("the probe's watch of window %d did not end" % hwnd)
        changes = []
        for line in [first] + rest.decode("utf-8", "replace").splitlines():
            fields = line.split()
            if len(fields) == 3:
                changes.append((int(fields[0]), int(fields[1]), fields[2] == "1"))
            elif fields[1:] == ["gone"]:
                changes.append((int(fields[0]), None, False))
        return changes

    def hint_window(self):
        code, out = self.session.probe("find", HINT_CLASS, HINT_CAPTION, check=False)
        return int(out) if code == 0 and out.isdigit() else None

    def hint_rect(self):
        hwnd = self.hint_window()
        if hwnd is None:
            self.fail("there is no hint window")
        return tuple(int(v) for v in self.probe("rect", hwnd).split())

    def hint_visible(self):
        hwnd = self.hint_window()
        return hwnd is not None and self.bar_visible(hwnd)

    def work_area(self, index=0):
        return tuple(int(v) for v in self.probe("workarea", index).split())

    @contextlib.contextmanager
    def own_prefix(self):
        """Runs the block in a Wine prefix of its own on the run's display,
        booted for it (about 8 s) and stopped after it, for a test that
        would disturb the shared prefix. Inside, self.session is the new one."""
        shared = self.session
        private = Session(exe=shared.exe, probe=shared.probe_exe, artifacts=shared.artifacts,
                          keep=shared.keep, display=shared.display)
        private.start()
        self.session = private
        try:
            yield private
        finally:
            for proc in [p for p in self._procs if p in private.children]:
                stop_process(proc)
                self._procs.remove(proc)
            self.session = shared
            private.stop()

    def windows(self):
        """Every top-level window as a dict: hwnd, cls, caption, visible, rect, pid."""
        return parse_windows(self.probe("list"))

    def message_boxes(self):
        return [w["hwnd"] for w in self.windows() if w["cls"] == "#32770" and w["visible"]]

    def box_text(self, hwnd):
        """(caption, [texts of the Static children]) of a message box."""
        lines = self.probe("text", hwnd).split("\n")
        statics = []
        for line in lines[1:]:
            cls, _, text = line.partition("\t")
            if cls == "Static" and text:
                statics.append(unescape(text))
        return unescape(lines[0]), statics

    def click_button(self, hwnd, which):
        self.probe("click", hwnd, which)

    def controls(self, hwnd):
        result = {}
        for line in self.probe("children", hwnd).splitlines():
            fields = line.split("\t")
            if len(fields) != 7:
                continue
            result[int(fields[1])] = {
                "hwnd": int(fields[0]), "cls": unescape(fields[2]), "text": unescape(fields[3]),
                "visible": fields[4] == "1", "enabled": fields[5] == "1",
                "rect": tuple(int(v) for v in fields[6].split()),
            }
        return result

    def send(self, hwnd, message, wparam=0, lparam=0):
        return int(self.probe("send", hwnd, message, wparam, lparam))

    # Pictures -------------------------------------------------------------

    def screenshot(self, name=None):
        self._shots = getattr(self, "_shots", 0) + 1
        name = name or "%s-%d" % (self.id().split(".")[-1], self._shots)
        return self.session.screenshot(os.path.join(self.session.root, name + ".png"))

    def pixel(self, x, y):
        return self.screenshot().pixel(x, y)

    # Pointer and keys -----------------------------------------------------

    def move(self, x, y):
        # xdotool's --sync waits about 15 s when the pointer is already at the
        # target, so move plainly and poll until X reports the new position.
        if self.session.pointer() == (x, y):
            return
        self.session.xdotool("mousemove", x, y)
        deadline = time.monotonic() + 5
        while self.session.pointer() != (x, y) and time.monotonic() < deadline:
            time.sleep(0.01)

    def click(self, x, y, button=1):
        self.move(x, y)
        self.session.xdotool("click", button)

    def right_click(self, x, y):
        self.click(x, y, button=3)

    def double_click(self, x, y):
        self.move(x, y)
        self.session.xdotool("click", "--repeat", 2, "--delay", 80, 1)

    def drag(self, x0, y0, x1, y1, steps=8):
        self.move(x0, y0)
        self.session.xdotool("mousedown", 1)
        for i in range(1, steps + 1):
            self.move(x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps)
            time.sleep(0.03)
        self.session.xdotool("mouseup", 1)

    def drop_files(self, x, y, paths, check=True):
        tool = self.session.xdnd_tool()
        self.move(x, y)
        result = subprocess.run([tool, str(x), str(y)] + [os.path.abspath(p) for p in paths],
                                env=self.session.env, stdin=subprocess.DEVNULL,
                                capture_output=True, timeout=60)
        message = result.stderr.decode("utf-8", "replace").strip()
        if check and result.returncode != 0:
            self.fail("the drop at (%d, %d) failed (%d): %s" % (x, y, result.returncode, message))
        return result.returncode, message

    def key(self, *names):
        self.session.xdotool("key", "--delay", 60, *names)

    def type_text(self, text):
        self.session.xdotool("type", "--delay", 40, text)

    # Waiting and files ----------------------------------------------------

    def wait_for(self, condition, timeout=10.0, interval=0.1, message="the condition"):
        deadline = time.monotonic() + timeout
        while True:
            value = condition()
            if value:
                return value
            if time.monotonic() >= deadline:
                self.fail("timed out after %.1f s waiting for %s" % (timeout, message))
            time.sleep(interval)

    def read_data_file(self, bar=None, raw=False):
        bar = bar or self.bar
        try:
            with open(bar.data_path, "rb") as f:
                content = f.read()
        except FileNotFoundError:
            return None
        return content if raw else content.decode("cp1252", "replace")

    winpath = staticmethod(winpath)
    colorref = staticmethod(colorref)


def read_line(stream, timeout):
    """One line from an unbuffered pipe, or "" when none comes in time."""
    data = b""
    deadline = time.monotonic() + timeout
    while not data.endswith(b"\n"):
        remaining = deadline - time.monotonic()
        if remaining <= 0 or not select.select([stream], [], [], remaining)[0]:
            break
        byte = stream.read(1)
        if not byte:
            break
        data += byte
    return data.decode("utf-8", "replace").rstrip("\r\n")


def parse_windows(listing):
    """The probe's `list` output as dicts: hwnd, cls, caption, visible, rect, pid."""
    result = []
    for line in listing.splitlines():
        fields = line.split("\t")
        if len(fields) != 6:
            continue
        result.append({
            "hwnd": int(fields[0]),
            "cls": unescape(fields[1]),
            "caption": unescape(fields[2]),
            "visible": fields[3] == "1",
            "rect": tuple(int(v) for v in fields[4].split()),
            "pid": int(fields[5]),
        })
    return result


def unescape(text):
    """Undoes the probe's escaping of backslash, tab, CR and LF."""
    return re.sub(r"\\(.)", lambda m: {"t": "\t", "r": "\r", "n": "\n"}.get(m.group(1),
                                                                         m.group(1)), text)


def main():
    """`harness.py screenshot [--out PATH]`: start the bar on a private display,
    save a picture of the screen and print its path."""
    import argparse
    parser = argparse.ArgumentParser(description=main.__doc__)
    parser.add_argument("command", choices=["screenshot"])
    parser.add_argument("--out", default=os.path.join(REPO, "build", "screenshot.png"))
    parser.add_argument("--exe", default=None)
    parser.add_argument("--probe", default=None)
    options = parser.parse_args()

    class Shooter(BarTestCase):
        def runTest(self):
            self.start_bar()
            time.sleep(1.0)  # let the first paint finish
            self.session.screenshot(os.path.abspath(options.out))

    report = io.StringIO()
    with Session(exe=options.exe, probe=options.probe):
        result = unittest.TextTestRunner(stream=report, verbosity=0).run(Shooter())
    if not result.wasSuccessful():
        print(report.getvalue())
        return 1
    print(os.path.abspath(options.out))
    return 0


if __name__ == "__main__":
    raise SystemExit(main())
