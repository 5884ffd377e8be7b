"""A save cut short by TerminateProcess at any moment leaves the data file
whole: its old bytes or the new ones, never a mix, and the temporary file a
cut leaves behind is never taken for data.

PEL_KILL_TRIALS sets the number of kills (default 20; scripts/nightly runs
200), PEL_KILL_SEED the seed of their random delays (printed when a trial fails).
"""

import os
import random
import shutil
import time

from harness import BarTestCase
from test_placement_paint import data_file

ITEMS = 10000
VISIBLE = 10


def ten_thousand_items():
    """Separators, URLs and missing files: none costs a look-up of a real icon."""
    items = []
    for i in range(ITEMS):
        kind = i % 10
        if kind == 0:
            items.append("")
        elif kind < 4:
            items.append("http://pellorinth.example/page/%d" % i)
        else:
            items.append("C:\\pellorinth-missing\\folder %d\\item %d.exe" % (i // 100, i))
    return items


class KillDuringSaveTests(BarTestCase):
    # Ten thousand items take a while to read under Wine.
    start_timeout = 60.0

    def end_bar(self, bar, delay_ms, watch=None):
        """Posts WM_CLOSE and, delay_ms later, ends the process by force
        unless it ended by then; -1 waits for the end. The probe's words."""
        args = ["closekill", self.bar_hwnd(), delay_ms]
        if watch:
            args.append(self.winpath(watch))
        words = self.probe(*args).split()
        status = self.wait_exit(bar, timeout=30)
        self.assertIsNotNone(status, "the bar did not end after: %s" % " ".join(words))
        return words, status

    def test_a_save_killed_at_any_moment_leaves_the_old_or_the_new_file(self):
        trials = int(os.environ.get("PEL_KILL_TRIALS", "20"))
        seed = int(os.environ.get("PEL_KILL_SEED", str(int(time.time()))))
        # LF line ends, which the program writes back as CR LF: every save
        # changes every line after the first.
        old = ("\n".join(data_file(ten_thousand_items(), VisibleIconCount=VISIBLE)) +
               "\n").encode("cp1252")
        folder = self.new_folder()
        shutil.copy2(self.session.exe, os.path.join(folder, "Pellorinth.exe"))
        data = os.path.join(folder, "Pellorinth_data")
        temporary = data + ".tmp"

        # One close left alone gives the new bytes and the length of a close.
        bar = self.start_bar(old, folder=folder)
        words, status = self.end_bar(bar, -1, watch=data)
        self.assertEqual(status, 0)
        ended, tmp_seen, changed = float(words[1]), float(words[3]), float(words[5])
        new = self.read_data_file(bar, raw=True)
        self.assertNotEqual(new, old)
        self.assertEqual(new, old.replace(b"\n", b"\r\n"))
        self.assertFalse(os.path.exists(temporary), "a finished save left its temporary file")
        self.assertGreaterEqual(changed, 0, "the file did not change before the program ended")
        print("\n  close: temporary file at %.1f ms, file replaced at %.1f ms, ended at %.1f ms"
              % (tmp_seen, changed, ended))

        # Half the delays spread evenly from the close to three times the time
        # the save took, half over the save's own steps from the first file
        # it made to the file's change, with room either side; each at a
        # random point of its share. A busy machine can make a later save
        # take several times as long, hence the floor of the wide spread.
        rng = random.Random(seed)
        span = max(3 * changed, 60.0)
        first_step = tmp_seen if tmp_seen >= 0 else changed
        steps = (0.6 * first_step, 1.4 * changed)
        wide, narrow = (trials + 1) // 2, trials // 2
        delays = [(i + rng.random()) * span / wide for i in range(wide)]
        delays += [steps[0] + (i + rng.random()) * (steps[1] - steps[0]) / narrow
                   for i in range(narrow)]
        # Timings measured once drift on a busy machine; the last kills are
        # timed from the sight of the temporary file, so that some surely
        # land between its write and the rename.
        timed = [(delay, None) for delay in delays]
        timed += [(0.0, temporary)] * min(2, trials)
        outcomes = {"old": 0, "new": 0}
        leftovers = 0
        trials = len(timed)
        for trial, (delay, sighted) in enumerate(timed):
            delay = round(delay, 1)
            # A temporary file an earlier kill left stays for this start,
            # unless the kill waits for the sight of a new one.
            with open(data, "wb") as f:
                f.write(old)
            if sighted and os.path.exists(temporary):
                os.remove(temporary)
            bar = self.start_bar(folder=folder)
            words, _ = self.end_bar(bar, delay, watch=sighted)
            got = self.read_data_file(bar, raw=True)
            what = "trial %d of %d (PEL_KILL_SEED=%d), delay %.1f ms, probe: %s" % (
                trial + 1, trials, seed, delay, " ".join(words))
            self.assertIsNotNone(got, "no data file after " + what)
            self.assertTrue(got in (old, new), "%d bytes, neither old nor new, after %s" % (
                len(got), what))
            outcomes["old" if got == old else "new"] += 1
            leftovers += os.path.exists(temporary)
        print("  %d kills over %.1f ms, %d of them over %.1f-%.1f ms: %d left the old file, "
              "%d the new, %d a temporary file" % (trials, span, narrow, steps[0], steps[1],
                                                   outcomes["old"], outcomes["new"], leftovers))
        if trials >= 12:
            self.assertTrue(outcomes["old"] and outcomes["new"],
                            "the delays did not straddle the save: %s" % outcomes)
            # Kills between the temporary file's write and the rename are the
            # ones that could mix old and new; a run without any proved nothing.
            self.assertGreater(leftovers, 0, "no kill landed between the write of the "
                               "temporary file and the rename (PEL_KILL_SEED=%d)" % seed)

        # A temporary file cut off half-way, as a kill in the write leaves
        # it, is neither read at start nor in the way of the next save.
        with open(data, "wb") as f:
            f.write(old)
        with open(temporary, "wb") as f:
            f.write(new[:len(new) // 2])
        bar = self.start_bar(folder=folder)
        words, status = self.end_bar(bar, -1)
        self.assertEqual(status, 0)
        self.assertEqual(self.read_data_file(bar, raw=True), new)
        self.assertFalse(os.path.exists(temporary), "the leftover temporary file stayed")
