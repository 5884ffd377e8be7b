#!/usr/bin/env python3
"""Runs the Windows-side tests under Wine in one private display and prefix.

    tests/e2e/run.py [--gtest pel_win32_tests.exe] [-k PATTERN] [--exe ...] [--probe ...]

First the GoogleTest program given with --gtest (if any), then every
tests/e2e/test_*.py. Ends with the line `N passed, N failed` over both.
"""

import argparse
import os
import re
import subprocess
import sys
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import harness  # noqa: E402


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


def run_e2e(pattern, names):
    print("== end-to-end tests", flush=True)
    loader = unittest.TestLoader()
    if names:
        loader.testNamePatterns = ["*%s*" % n for n in names]
    suite = loader.discover(HERE, pattern=pattern, top_level_dir=HERE)
    result = unittest.TextTestRunner(stream=sys.stdout, verbosity=2).run(suite)
    failed = len(result.failures) + len(result.errors) + len(result.unexpectedSuccesses)
    passed = result.testsRun - failed - len(result.skipped)
    return passed, failed


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--exe", help="Pellorinth.exe (default: from build/win64)")
    parser.add_argument("--probe", help="probe.exe (default: from build/win64)")
    parser.add_argument("--gtest", help="a GoogleTest .exe to run first")
    parser.add_argument("--pattern", default="test_*.py", help="test modules to load")
    parser.add_argument("-k", dest="names", action="append", default=[],
                        help="run only tests whose name contains this")
    parser.add_argument("--artifacts", help="folder for screenshots of failed tests")
    parser.add_argument("--keep", action="store_true", help="keep the temporary folder")
    options = parser.parse_args()

    passed = failed = 0
    try:
        with harness.Session(exe=options.exe, probe=options.probe,
                             artifacts=options.artifacts, keep=options.keep) as session:
            if options.gtest:
                p, f = run_gtest(session, os.path.abspath(options.gtest))
                passed, failed = passed + p, failed + f
            p, f = run_e2e(options.pattern, options.names)
            passed, failed = passed + p, failed + f
    except (harness.HarnessError, OSError, subprocess.SubprocessError) as error:
        print("harness failure: %s" % error, flush=True)
        failed += 1
    print("%d passed, %d failed" % (passed, failed), flush=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
