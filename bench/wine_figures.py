"""Start-up, memory, CPU, size and repaint figures of Pellorinth.exe beside the
minimal bar of bench/minimal, both run under Wine in one private prefix and
X display; run through scripts/bench, which builds everything first.

Every figure is the median of --rounds runs, the two programs taking turns
(which one goes first alternates), so drift in the machine hits both alike.
Nothing here asserts: the figures are printed as Markdown tables.
"""

import argparse
import os
import re
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

BAR = ("TFormPellorinth", "FormPellorinth")
MINIMAL = ("PelMinimalBar", "PelMinimalBar")
SCREEN = "1920x1080x24"
# Paths every prefix has: two programs, a folder, a text file and a console.
TARGETS = [r"C:\windows\notepad.exe", r"C:\windows\regedit.exe", r"C:\windows",
           r"C:\windows\win.ini", r"C:\windows\system32\cmd.exe"]
# The preference lines of a top bar of `visible` cells on monitor 0.
PREFS = ["0", "0", "clBtnFace", "clYellow", "Arial Narrow", "16", "1", "clBlack", "1", "0", "0",
         "{visible}", "0", "0", "clSilver", "clWhite", "0", "1", "0", "0", "0", "0", "1"]
SETTLE_S = 5.0
IDLE_S = 10.0


def data_file(targets, visible=12, auto_hide=False):
    lines = ["[PATH]"] + targets + ["[~]", "[ICON]"] + [""] * len(targets) + ["[~]", "[PREF]"]
    prefs = [p.format(visible=visible) for p in PREFS]
    prefs[0] = "1" if auto_hide else "0"  # the first preference line is AutoHide
    lines += prefs + ["[~]"]
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def winpath(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class Wine:
    """One Xvfb display and one booted prefix with a persistent server."""

    def __init__(self, root):
        self.root = root
        self.xvfb = None
        self.env = None

    def __enter__(self):
        try:
            self._start_display()
            self._boot()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *exc):
        self.stop()

    def _start_display(self):
        read_end, write_end = os.pipe()
        with open(os.path.join(self.root, "xvfb.log"), "wb") as log:
            self.xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN, "-nolisten",
                 "tcp", "-noreset"], pass_fds=(write_end,), stdin=subprocess.DEVNULL,
                stdout=log, stderr=subprocess.STDOUT)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 30
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            if select.select([read_end], [], [], 0.5)[0]:
                chunk = os.read(read_end, 64)
                if not chunk:
                    break
                number += chunk
        os.close(read_end)
        if not number.strip().isdigit():
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number.strip().decode()

    def _boot(self):
        self.env = dict(os.environ, DISPLAY=self.display,
                        WINEPREFIX=os.path.join(self.root, "prefix"), WINEARCH="win64",
                        WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=", LANG="C.UTF-8",
                        LC_ALL="C.UTF-8")
        self.env.pop("WAYLAND_DISPLAY", None)
        os.makedirs(self.env["WINEPREFIX"])
        with open(os.path.join(self.root, "wineboot.log"), "wb") as log:
            for args in (["wineserver", "-p"], ["wineboot", "-i"],
                         ["wine", "reg", "add", r"HKCU\Software\Wine\WineDbg", "/v",
                          "ShowCrashDialog", "/t", "REG_DWORD", "/d", "0", "/f"]):
                subprocess.run(args, env=self.env, stdin=subprocess.DEVNULL, stdout=log,
                               stderr=subprocess.STDOUT, check=True, timeout=240)

    def run(self, *args, timeout=180):
        # A file, not a pipe: a program the command starts inherits the Unix
        # descriptor and would hold a pipe open for as long as it runs.
        with tempfile.TemporaryFile(dir=self.root) as out:
            result = subprocess.run(["wine"] + [str(a) for a in args], env=self.env,
                                    stdin=subprocess.DEVNULL, stdout=out,
                                    stderr=subprocess.DEVNULL, timeout=timeout)
            out.seek(0)
            return result.returncode, out.read().decode("utf-8", "replace").strip()

    def pointer_to(self, x, y):
        subprocess.run(["xdotool", "mousemove", str(x), str(y)], env=self.env, check=True,
                       stdin=subprocess.DEVNULL, capture_output=True, timeout=30)

    def processes(self):
        """Unix ids of the processes of this prefix, with their command lines."""
        wanted = ("WINEPREFIX=" + self.env["WINEPREFIX"]).encode()
        found = {}
        for name in os.listdir("/proc"):
            if not name.isdigit():
                continue
            try:
                with open("/proc/%s/environ" % name, "rb") as f:
                    if wanted not in f.read().split(b"\0"):
                        continue
                with open("/proc/%s/cmdline" % name, "rb") as f:
                    found[int(name)] = f.read().replace(b"\0", b" ").decode("utf-8", "replace")
            except OSError:
                continue
        return found

    def unix_pid(self, exe):
        needle = winpath(exe).lower()
        for pid, cmdline in self.processes().items():
            if needle in cmdline.lower():
                return pid
        return None

    def stop(self):
        if self.env is not None and os.path.isdir(self.env["WINEPREFIX"]):
            for args in (["wineserver", "-k"], ["wineserver", "-w"]):
                try:
                    subprocess.run(args, env=self.env, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   timeout=60)
                except subprocess.TimeoutExpired:
                    pass
            for _ in range(5):
                pids = self.processes()
                if not pids:
                    break
                for pid in pids:
                    try:
                        os.kill(pid, signal.SIGKILL)
                    except OSError:
                        pass
                time.sleep(0.2)
        if self.xvfb is not None and self.xvfb.poll() is None:
            self.xvfb.terminate()
            try:
                self.xvfb.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
                self.xvfb.wait()
        self.xvfb = None
        self.env = None


def resident_mb(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    return float("nan")


def cpu_ns(pid):
    """Time on a CPU of every thread of the process, in nanoseconds."""
    total = 0
    for task in os.listdir("/proc/%d/task" % pid):
        try:
            with open("/proc/%d/task/%s/schedstat" % (pid, task)) as f:
                total += int(f.read().split()[0])
        except OSError:
            continue
    return total


def context_switches(pid):
    """Times every thread of the process was switched out: its wake-ups."""
    total = 0
    for task in os.listdir("/proc/%d/task" % pid):
        try:
            with open("/proc/%d/task/%s/status" % (pid, task)) as f:
                for line in f:
                    if line.startswith(("voluntary_ctxt_switches:",
                                        "nonvoluntary_ctxt_switches:")):
                        total += int(line.split()[1])
        except OSError:
            continue
    return total


class Bench:
    def __init__(self, wine, args):
        self.wine = wine
        self.args = args
        self.runs = 0
        self.stopwatch = self.copy(args.stopwatch, "tools")

    def copy(self, exe, folder_name, data=None):
        folder = os.path.join(self.wine.root, "runs", folder_name)
        os.makedirs(folder, exist_ok=True)
        target = os.path.join(folder, os.path.basename(exe))
        shutil.copy2(exe, target)
        if data is not None:
            with open(os.path.join(folder, "Pellorinth_data"), "wb") as f:
                f.write(data)
        return target

    def fresh(self, exe, data):
        self.runs += 1
        return self.copy(exe, "run%03d" % self.runs, data)

    def stopwatch_run(self, *args):
        code, out = self.wine.run(self.stopwatch, *args)
        if code != 0:
            raise RuntimeError("stopwatch %s failed: %s" % (" ".join(args), out))
        return out.split()

    def start(self, exe, window):
        ms, _ = self.stopwatch_run("start", winpath(exe), *window)
        return float(ms)

    def close(self, window):
        self.stopwatch_run("close", *window)

    def one_run(self, exe, window, data, idle=True):
        """start → visible, memory after 5 s, idle CPU, a second start."""
        self.wine.pointer_to(1900, 1000)  # away from either bar
        exe = self.fresh(exe, data)
        began = time.monotonic()
        figures = {"start": self.start(exe, window)}
        pid = self.wine.unix_pid(exe)
        time.sleep(max(0.0, began + SETTLE_S - time.monotonic()))
        figures["memory"] = resident_mb(pid) if pid else float("nan")
        if idle and pid:
            before, switches = cpu_ns(pid), context_switches(pid)
            time.sleep(IDLE_S)
            figures["cpu"] = (cpu_ns(pid) - before) / 1e6
            figures["wakeups"] = (context_switches(pid) - switches) / IDLE_S
        if idle:
            ms, code = self.stopwatch_run("second", winpath(exe))
            figures["second"] = float(ms) if code == "0" else float("nan")
        self.close(window)
        return figures

    def repaint(self, exe, data, mode):
        exe = self.fresh(exe, data)
        out = os.path.join(os.path.dirname(exe), "result.txt")
        self.wine.run(exe, mode, winpath(out))
        with open(out) as f:
            return float(f.read())


def median(values):
    values = [v for v in values if v == v]
    return statistics.median(values) if values else float("nan")


def ratio(a, b):
    return "%.2f×" % (a / b) if b else "–"


def native_data_file(native_build):
    exe = os.path.join(native_build, "bench", "bench_datafile")
    out = subprocess.run([exe], capture_output=True, text=True, check=True, timeout=300).stdout
    load = float(re.search(r"load.*?([\d.]+) ms", out).group(1))
    save = float(re.search(r"save.*?([\d.]+) ms", out).group(1))
    return load, save


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--exe", required=True)
    parser.add_argument("--minimal", required=True)
    parser.add_argument("--stopwatch", required=True)
    parser.add_argument("--repaint", required=True, help="bench_gdi_repaint.exe")
    parser.add_argument("--native-build", required=True)
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--counts", default="20,200,2000,10000",
                        help="item counts of the start-up scaling table")
    args = parser.parse_args()

    twenty = data_file([TARGETS[i % 5] for i in range(20)])
    hiding = data_file([TARGETS[i % 5] for i in range(20)], auto_hide=True)
    fifty = data_file([TARGETS[i % 5] for i in range(50)], visible=50)
    programs = [("Pellorinth", args.exe, BAR), ("minimal", args.minimal, MINIMAL)]
    runs = {name: [] for name, _, _ in programs}
    runs["auto-hide"] = []
    repaints = {name: [] for name, _, _ in programs}
    scaling = {int(n): [] for n in args.counts.split(",")}
    pages = []
    root = tempfile.mkdtemp(prefix="pel-bench-")
    try:
        with Wine(root) as wine:
            bench = Bench(wine, args)
            for round_ in range(args.rounds):
                order = programs if round_ % 2 == 0 else programs[::-1]
                for name, exe, window in order:
                    runs[name].append(bench.one_run(exe, window, twenty))
                    print("  round %d %-10s %s" % (round_ + 1, name, runs[name][-1]),
                          file=sys.stderr)
                # Auto-hide on: the bar fades out and waits, hidden, for the edge.
                runs["auto-hide"].append(bench.one_run(args.exe, BAR, hiding))
                print("  round %d %-10s %s" % (round_ + 1, "auto-hide", runs["auto-hide"][-1]),
                      file=sys.stderr)
                repaints["Pellorinth"].append(bench.repaint(args.repaint, fifty, "/repaint"))
                repaints["minimal"].append(bench.repaint(args.minimal, fifty, "/repaint"))
                for count in scaling:
                    data = data_file([TARGETS[i % 5] for i in range(count)])
                    scaling[count].append(bench.one_run(args.exe, BAR, data, idle=False))
                # Distinct files, so every newly shown cell costs a shell lookup.
                pages.append(page_run(bench, args.repaint, 240))
    finally:
        shutil.rmtree(root, ignore_errors=True)

    load, save = native_data_file(args.native_build)
    report(args, runs, repaints, scaling, pages, load, save)


def page_run(bench, exe, count):
    """Pages through `count` empty files beside the program, each its own target."""
    names = ["page%03d.txt" % i for i in range(count)]
    bench.runs += 1
    folder = os.path.join(bench.wine.root, "runs", "run%03d" % bench.runs)
    os.makedirs(folder)
    for name in names:
        open(os.path.join(folder, name), "wb").close()
    target = os.path.join(folder, os.path.basename(exe))
    shutil.copy2(exe, target)
    with open(os.path.join(folder, "Pellorinth_data"), "wb") as f:
        f.write(data_file([winpath(os.path.join(folder, n)) for n in names]))
    out = os.path.join(folder, "result.txt")
    bench.wine.run(target, "/page", winpath(out))
    with open(out) as f:
        return float(f.read())


def report(args, runs, repaints, scaling, pages, load, save):
    def figure(name, key):
        return median([r[key] for r in runs[name]])

    size = {"Pellorinth": os.path.getsize(args.exe) / 1024.0,
            "minimal": os.path.getsize(args.minimal) / 1024.0}
    rows = [
        ("start to visible, 20-item file", "start", "%.0f ms", "≤ 1.3×"),
        ("a second start finding the first and exiting", "second", "%.0f ms", "≤ 1.2×"),
        ("resident memory after 5 s", "memory", "%.1f MB", "≤ +3 MB"),
        ("idle CPU over 10 s, pointer away", "cpu", "%.0f ms", "under the minimal"),
    ]
    print("Pellorinth beside the minimal bar under Wine, median of %d interleaved runs "
          "(times: fastest run in brackets)\n" % args.rounds)
    print("| figure | Pellorinth | minimal | ratio | aim |")
    print("|---|---|---|---|---|")
    for title, key, fmt, aim in rows:
        mine, floor = figure("Pellorinth", key), figure("minimal", key)
        shown = [fmt % mine, fmt % floor]
        if key in ("start", "second"):
            shown = ["%s (%.0f)" % (text, min(r[key] for r in runs[name]))
                     for text, name in zip(shown, ("Pellorinth", "minimal"))]
        extra = " (%+.1f MB)" % (mine - floor) if key == "memory" else ""
        print("| %s | %s | %s | %s%s | %s |" % (title, shown[0], shown[1], ratio(mine, floor),
                                                extra, aim))
    wakeups = [("auto-hide off", "Pellorinth", "0"),
               ("auto-hide on", "auto-hide", "no more than the minimal")]
    for title, name, aim in wakeups:
        mine, floor = figure(name, "wakeups"), figure("minimal", "wakeups")
        print("| wake-ups per second, idle, pointer away, %s | %.1f | %.1f | %s | %s |" % (
            title, mine, floor, ratio(mine, floor), aim))
    print("| stripped exe | %.0f KB | %.0f KB | %s | ≤ 600 KB |" % (
        size["Pellorinth"], size["minimal"], ratio(size["Pellorinth"], size["minimal"])))
    mine, floor = median(repaints["Pellorinth"]), median(repaints["minimal"])
    print("| full repaint of 50 visible cells (GDI) | %.0f µs | %.0f µs | %s | ≤ 1.2× |" % (
        mine, floor, ratio(mine, floor)))

    base = scaling.get(min(scaling)) if scaling else None
    print("\nStart-up by item count (five distinct targets, a dozen cells shown)\n")
    print("| items | start to visible | resident memory after 5 s |")
    print("|---|---|---|")
    for count, results in sorted(scaling.items()):
        start = median([r["start"] for r in results])
        memory = median([r["memory"] for r in results])
        note = ""
        if base and count != min(scaling):
            note = " (%s, %+.1f MB)" % (ratio(start, median([r["start"] for r in base])),
                                        memory - median([r["memory"] for r in base]))
        print("| %d | %.0f ms%s | %.1f MB |" % (count, start, note, memory))
    print("\nPaging to cells never shown before (distinct files): %.2f ms of work per cell"
          % median(pages))
    print("Data file of 10,000 items (native Release, fake platform): load %.2f ms + save "
          "%.2f ms = %.2f ms (aim ≤ 20 ms)" % (load, save, load + save))


if __name__ == "__main__":
    main()
