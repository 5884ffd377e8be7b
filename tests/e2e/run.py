#!/usr/bin/env python3
"""Runs the Windows-side tests under Wine, each worker in its own private
display and prefix.

    tests/e2e/run.py [--gtest pel_win32_tests.exe] [-k NAME] [--jobs N]

First the GoogleTest program given with --gtest (if any), then every
tests/e2e/test_*.py. With --jobs N (default 2, or PEL_E2E_JOBS) the test
classes are shared out over N workers that run side by side; the tests spend
most of their time waiting for Wine, so two workers nearly halve the run on
two cores. Ends with the line `N passed, N failed` over everything.
"""

import argparse
import os
import re
import subprocess
import sys
import tempfile
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import harness  # noqa: E402

SUMMARY = re.compile(r"^(\d+) passed, (\d+) failed$", re.M)


def run_gtest(session, exe):
    """Runs a GoogleTest program under Wine; returns (passed, failed)."""
    print("== %s under Wine" % os.path.basename(exe), flush=True)
    folder = os.path.join(session.root, "gtest")
    os.makedirs(folder, exist_ok=True)
    started = time.monotonic()
    try:
        result = subprocess.run(["wine", exe, "--gtest_color=no"], cwd=folder, env=session.env,
                                stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT, timeout=600)
        output, status = result.stdout.decode("utf-8", "replace"), result.returncode
    except subprocess.TimeoutExpired as timeout:
        output = (timeout.stdout or b"").decode("utf-8", "replace") + "\n(timed out)\n"
        status = None
    sys.stdout.write(output.replace("\r\n", "\n"))
    passed = re.search(r"^\[  PASSED  \] (\d+) test", output, re.M)
    failed = re.search(r"^\[  FAILED  \] (\d+) test", output, re.M)
    passed = int(passed.group(1)) if passed else 0
    failed = int(failed.group(1)) if failed else 0
    if status != 0 and failed == 0:
        failed = 1  # a crash or hang before GoogleTest could count
    print("-- %d passed, %d failed in %.1f s" % (passed, failed, time.monotonic() - started),
          flush=True)
    return passed, failed


class TimedResult(unittest.TextTestResult):
    """Remembers how long each test took, to name the slow ones."""

    def startTest(self, test):
        self._started = time.monotonic()
        super().startTest(test)

    def stopTest(self, test):
        super().stopTest(test)
        self.durations = getattr(self, "durations", [])
        self.durations.append((time.monotonic() - self._started, test.id()))


def run_tests(names):
    """Runs the named tests in the current session; returns (passed, failed)."""
    suite = unittest.TestLoader().loadTestsFromNames(names)
    runner = unittest.TextTestRunner(stream=sys.stdout, verbosity=2, resultclass=TimedResult)
    result = runner.run(suite)
    slow = sorted(getattr(result, "durations", []), reverse=True)[:5]
    if slow:
        print("slowest: " + ", ".join("%s %.1f s" % (name.split(".", 1)[1], seconds)
                                      for seconds, name in slow))
    failed = len(result.failures) + len(result.errors) + len(result.unexpectedSuccesses)
    return result.testsRun - failed - len(result.skipped), failed


def discover(pattern, names):
    """Test ids grouped by class, so a class's tests share one worker, and the
    modules that failed to load."""
    loader = unittest.TestLoader()
    if names:
        loader.testNamePatterns = ["*%s*" % n for n in names]
    groups = {}
    broken = []

    def walk(suite):
        for item in suite:
            if isinstance(item, unittest.TestSuite):
                walk(item)
            elif isinstance(item, unittest.loader._FailedTest):
                broken.append(item)
            else:
                groups.setdefault(item.id().rsplit(".", 1)[0], []).append(item.id())

    walk(loader.discover(HERE, pattern=pattern, top_level_dir=HERE))
    return list(groups.values()), broken


def share_out(groups, jobs):
    """Deals the groups to the workers, biggest first, each to the least loaded."""
    buckets = [[] for _ in range(jobs)]
    for group in sorted(groups, key=len, reverse=True):
        min(buckets, key=len).extend(group)
    return [b for b in buckets if b]


def session_options(options):
    return dict(exe=options.exe, probe=options.probe, artifacts=options.artifacts,
                keep=options.keep)


def worker(options):
    """One worker: its own session, the gtest program if given, then its tests."""
    with open(options.worker_tests) as f:
        names = [line.strip() for line in f if line.strip()]
    passed = failed = 0
    try:
        with harness.Session(**session_options(options)) as session:
            if options.gtest:
                passed, failed = run_gtest(session, os.path.abspath(options.gtest))
            if names:
                print("== end-to-end tests", flush=True)
                p, f = run_tests(names)
                passed, failed = passed + p, failed + f
    except (harness.HarnessError, OSError, subprocess.SubprocessError) as error:
        print("harness failure: %s" % error, flush=True)
        failed += 1
    print("%d passed, %d failed" % (passed, failed), flush=True)
    return 1 if failed else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--exe", help="Pellorinth.exe (default: from build/win64)")
    parser.add_argument("--probe", help="probe.exe (default: from build/win64)")
    parser.add_argument("--gtest", help="a GoogleTest .exe to run first")
    parser.add_argument("--pattern", default="test_*.py", help="test modules to load")
    parser.add_argument("-k", dest="names", action="append", default=[],
                        help="run only tests whose name contains this")
    parser.add_argument("--jobs", type=int, default=int(os.environ.get("PEL_E2E_JOBS", "2")),
                        help="workers side by side, each with its own display and prefix")
    parser.add_argument("--artifacts", help="folder for screenshots of failed tests")
    parser.add_argument("--keep", action="store_true", help="keep the temporary folders")
    parser.add_argument("--worker-tests", help=argparse.SUPPRESS)
    options = parser.parse_args()
    harness.end_cleanly_on_sigterm()
    if options.worker_tests:
        return worker(options)

    groups, broken = discover(options.pattern, options.names)
    passed, failed = 0, len(broken)
    for test in broken:
        print("cannot load %s: %s" % (test.id().rsplit(".", 1)[-1], test._exception))
    buckets = share_out(groups, max(1, options.jobs))
    if not buckets and options.gtest:
        buckets = [[]]
    gtest_worker = min(range(len(buckets)), key=lambda i: len(buckets[i]), default=0)
    started = time.monotonic()
    workers = []
    with tempfile.TemporaryDirectory(prefix="pel-e2e-run-") as scratch:
        for index, names in enumerate(buckets):
            list_path = os.path.join(scratch, "tests-%d.txt" % index)
            with open(list_path, "w") as f:
                f.write("".join(name + "\n" for name in names))
            args = [sys.executable, os.path.abspath(__file__), "--worker-tests", list_path]
            for flag in ("exe", "probe", "artifacts"):
                if getattr(options, flag):
                    args += ["--" + flag, getattr(options, flag)]
            if options.keep:
                args.append("--keep")
            if options.gtest and index == gtest_worker:
                args += ["--gtest", options.gtest]
            # Output goes to a file so the workers' lines do not interleave.
            log = open(os.path.join(scratch, "worker-%d.log" % index), "w+b")
            workers.append((subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=log,
                                             stderr=subprocess.STDOUT), log))
        try:
            for proc, _ in workers:
                proc.wait()
        finally:
            # Interrupted: the workers clean up after themselves on SIGTERM.
            for proc, _ in workers:
                harness.stop_process(proc, grace=90)
        for index, (proc, log) in enumerate(workers):
            log.seek(0)
            output = log.read().decode("utf-8", "replace")
            log.close()
            print("==== worker %d of %d" % (index + 1, len(workers)), flush=True)
            sys.stdout.write(output)
            counts = SUMMARY.findall(output)
            if counts:
                passed += int(counts[-1][0])
                failed += int(counts[-1][1])
            if proc.returncode != 0 and (not counts or int(counts[-1][1]) == 0):
                failed += 1
    print("Wine tests took %.0f s with %d worker(s)" % (time.monotonic() - started, len(workers)))
    print("%d passed, %d failed" % (passed, failed), flush=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
