"""Start-up, single instance and closing of the real program."""

import os
import subprocess
import time

from harness import BAR_CAPTION, BAR_CLASS, BarTestCase
from test_using_the_bar import FIXED_ICONS, UsingTheBarTestCase, missing, section

ENDSESSION_LOGOFF = 0x80000000


class StartupTests(BarTestCase):
    def test_start_shows_one_bar_at_the_top_of_monitor_0(self):
        bar = self.start_bar()
        bars = [w for w in self.windows() if w["cls"] == BAR_CLASS]
        self.assertEqual([w["caption"] for w in bars], [BAR_CAPTION])
        self.assertTrue(bars[0]["visible"])
        left, top, right, bottom = self.bar_rect()
        work = self.work_area(0)
        self.assertEqual(top, work[1])
        self.assertGreater(right - left, 0)
        self.assertGreater(bottom - top, 0)
        self.assertEqual(self.bar_alpha(), 255)
        # No taskbar button: beside the bar the program shows at most its hint
        # (the pointer may rest on an item the last test left it over).
        own = [w for w in self.windows() if w["pid"] == bars[0]["pid"] and w["visible"]]
        self.assertEqual([w["hwnd"] for w in own if w["cls"] != "TFormHint"], [bars[0]["hwnd"]])
        self.assertTrue(bar.running())


class SingleInstanceTests(BarTestCase):
    def assert_second_start_adds_nothing(self):
        before = sorted(w["hwnd"] for w in self.windows())
        second = self.start_bar(wait=False)
        self.assertEqual(self.wait_exit(second, timeout=10), 0, "the second copy kept running")
        after = sorted(w["hwnd"] for w in self.windows())
        self.assertEqual(after, before)
        self.assertIsNone(self.read_data_file(second), "the second copy wrote a data file")

    def test_second_start_exits_without_a_window(self):
        first = self.start_bar()
        self.assert_second_start_adds_nothing()
        self.assertTrue(first.running())

    def test_second_start_exits_while_the_bar_is_hidden(self):
        first = self.start_bar()
        hwnd = self.bar_hwnd()
        self.probe("show", hwnd, "hide")
        self.wait_for(lambda: not self.bar_visible(hwnd), message="the bar to hide")
        self.assert_second_start_adds_nothing()
        self.assertTrue(first.running())

    def test_two_copies_started_together_leave_one_bar(self):
        # Both may look for a window before either has made one.
        first = self.start_bar(wait=False)
        second = self.start_bar(wait=False, folder=first.folder)
        self.wait_for(self.bar_visible, timeout=self.start_timeout, message="a bar")
        ended = self.wait_for(lambda: [b for b in (first, second) if not b.running()],
                              timeout=10, message="one of the two copies to end")
        self.assertEqual(ended[0].returncode, 0)
        self.assertEqual(len(self.bar_windows()), 1)

    def test_same_class_with_another_caption_does_not_block(self):
        stand_in = self.make_window(BAR_CLASS, "Another caption")
        self.start_bar()
        self.assertNotEqual(self.bar_hwnd(), stand_in)
        self.assertEqual(len(self.bar_windows()), 1)


class ClosingTests(BarTestCase):
    def assert_ended_and_saved(self, bar):
        self.assertEqual(self.wait_exit(bar, timeout=10), 0, "the bar did not end")
        self.assertIsNone(self.find_bar())
        data = self.read_data_file(bar)
        self.assertIsNotNone(data, "no data file was written")
        self.assertTrue(data.startswith("[PATH]\r\n"), data[:80])
        for header in ("[ICON]", "[PREF]"):
            self.assertIn("\r\n%s\r\n" % header, data)

    def test_quit_from_the_context_menu(self):
        bar = self.start_bar()
        left, top, right, bottom = self.bar_rect()
        self.right_click((left + right) // 2, (top + bottom) // 2)
        # The menu opens at the pointer; Up from nothing selected reaches the last item.
        self.wait_for(lambda: self.menu_open(), timeout=5, message="the context menu")
        self.key("Up", "Return")
        self.assert_ended_and_saved(bar)

    def test_wm_close_ends_and_saves(self):
        bar = self.start_bar()
        self.probe("close", self.bar_hwnd())
        self.assert_ended_and_saved(bar)

    def test_damaged_data_files_start_and_lose_nothing(self):
        # Files whose item list cannot be found are moved aside, the user is
        # told once, and the bar saves as without a file.
        garbage = bytes(range(256)) * 64 + b"[PREF]\r\n" + b"\xff" * 70000 + b"\r\n[~]"
        no_item_list = "[PAHT]\r\nC:\\a.txt\r\n[~]\r\n[ICON]\r\n\r\n[~]\r\n"
        zero_filled = bytes(4096)  # what a power cut can leave
        for damaged in (garbage, no_item_list.encode("cp1252"),
                        b"\xff\xfe" + no_item_list.encode("utf-16-le"), zero_filled):
            bar = self.start_bar(data_file_text=damaged)
            box = self.wait_for(self.message_boxes, timeout=10, message="the message")[0]
            moved = [name for name in os.listdir(bar.folder)
                     if name.startswith("Pellorinth_data.damaged-")]
            self.assertEqual(len(moved), 1, os.listdir(bar.folder))
            with open(os.path.join(bar.folder, moved[0]), "rb") as f:
                self.assertEqual(f.read(), damaged)
            caption, texts = self.box_text(box)
            self.assertEqual(caption, "Information")
            self.assertTrue(any(moved[0] in text for text in texts), texts)
            self.click_button(box, "ok")
            self.wait_for(lambda: not self.message_boxes(), timeout=10,
                          message="the box to close")
            self.probe("close", self.bar_hwnd())
            self.assert_ended_and_saved(bar)
        # The file the last one saved starts without a word.
        again = self.start_bar(folder=bar.folder)
        time.sleep(1)
        self.assertEqual(self.message_boxes(), [], "a second message")
        self.probe("close", self.bar_hwnd())
        self.assert_ended_and_saved(again)
        # One that reads in part is rewritten whole, its old bytes kept aside.
        cut_short = b"[PATH]\r\nC:\\a.txt\r\n[ICON]\r\n[~]\r\n"
        bar = self.start_bar(data_file_text=cut_short)
        self.probe("close", self.bar_hwnd())
        self.assert_ended_and_saved(bar)
        self.assertTrue(self.read_data_file(bar).startswith("[PATH]\r\nC:\\a.txt\r\n[~]\r\n"))
        with open(bar.data_path + ".bak", "rb") as f:
            self.assertEqual(f.read(), cut_short)

    def test_logoff_writes_the_data_file(self):
        bar = self.start_bar()
        hwnd = self.bar_hwnd()
        self.assertNotEqual(self.probe("send", hwnd, "WM_QUERYENDSESSION", 0,
                                       ENDSESSION_LOGOFF), "0", "the bar refused to end")
        self.session.probe("send", hwnd, "WM_ENDSESSION", 1, ENDSESSION_LOGOFF, check=False)
        self.wait_for(lambda: self.read_data_file(bar), timeout=10,
                      message="the data file after log-off")

    def menu_open(self):
        # Wine shows a context menu as a top-level window of class #32768.
        return any(w["cls"] == "#32768" and w["visible"] for w in self.windows())


class SessionEndTests(UsingTheBarTestCase):
    def test_the_end_of_the_wine_session_keeps_a_change_made_from_the_menu(self):
        # wineboot --end-session also ends Wine's own window-owning helpers,
        # and the next program in that prefix waits about ten seconds for
        # them: a prefix of its own keeps the other tests' starts quick.
        with self.own_prefix():
            bar = self.start_with([missing("first"), missing("second")])
            self.choose(0, "Lock Icons")
            ended = subprocess.run(["wineboot", "--end-session"], env=self.session.env,
                                   stdin=subprocess.DEVNULL, capture_output=True, timeout=60)
            self.assertEqual(ended.returncode, 0, ended.stderr.decode("utf-8", "replace"))
            self.assertIsNotNone(self.wait_exit(bar, timeout=15), "the session ended, the bar not")
            self.assertEqual(section(self.read_data_file(bar), "[PREF]")[FIXED_ICONS], "1")
