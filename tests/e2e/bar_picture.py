#!/usr/bin/env python3
"""Makes the README's picture of the bar (scripts/screenshot runs it).

    tests/e2e/bar_picture.py [--exe EXE] [--probe PROBE] [--out docs/bar.png]

The real program runs under Wine on a private display with a few everyday
items, the pointer rests on one so that its name floats under it, and the
screen is cropped to the bar and the name.
"""

import argparse
import io
import os
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import REPO, BarTestCase, Session  # noqa: E402
from test_placement_paint import data_file  # noqa: E402

ITEMS = [
    "C:\\users\\",
    "C:\\windows\\notepad.exe",
    "C:\\windows\\system32\\winemine.exe",
    "C:\\windows\\regedit.exe",
    "",
    "C:\\Program Files\\Internet Explorer\\iexplore.exe",
    "https://example.org/",
    "C:\\windows\\system32\\taskmgr.exe",
]
POINTED = 1
CELL = 36
PANEL = 20
MARGIN = 12


class BarPicture(BarTestCase):
    out = None

    def runTest(self):
        self.move(640, 700)
        # A plain light window, made first so that it stays behind, stands
        # for the desktop around the bar.
        self.make_window("PelBackdrop", "backdrop", (0, 0, 1280, 200))
        self.start_bar(data_file(ITEMS, VisibleIconCount=len(ITEMS), ShowHints=1,
                                 GradientBackground=1))
        left, top, right, bottom = self.bar_rect()
        client = [int(v) for v in self.probe("client", self.bar_hwnd()).split()]
        self.move(client[0] + PANEL + CELL * POINTED + CELL // 2, client[1] + CELL // 2)
        self.wait_for(self.hint_visible, timeout=5, message="the item's name")
        time.sleep(1.0)  # icons and the name finish painting
        hint = self.hint_rect()
        crop = (left - MARGIN, 0, right + MARGIN, max(bottom, hint[3]) + MARGIN)
        shot = self.screenshot("bar-picture")
        subprocess.run(["convert", shot.path, "-crop", "%dx%d+%d+%d" % (
            crop[2] - crop[0], crop[3] - crop[1], crop[0], crop[1]), "+repage", "-strip",
            self.out], check=True, stdin=subprocess.DEVNULL, capture_output=True, timeout=60)


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--exe")
    parser.add_argument("--probe")
    parser.add_argument("--out", default=os.path.join(REPO, "docs", "bar.png"))
    options = parser.parse_args()
    BarPicture.out = os.path.abspath(options.out)
    os.makedirs(os.path.dirname(BarPicture.out), exist_ok=True)
    report = io.StringIO()
    with Session(exe=options.exe, probe=options.probe):
        result = unittest.TextTestRunner(stream=report, verbosity=0).run(BarPicture())
    if not result.wasSuccessful():
        print(report.getvalue())
        return 1
    print(BarPicture.out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
