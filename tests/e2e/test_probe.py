"""The probe's cross-process tools and the XDND drop tool behave as the other
tests rely on."""

import os

from harness import BarTestCase


class ProbeTests(BarTestCase):
    def test_drop_reaches_another_process_with_wide_names(self):
        hwnd = self.make_window("PelDropTarget", "drop target")
        names = [r"C:\windows\notepad.exe", "Z:\\tmp\\Ünïcode файл"]
        self.probe("drop", hwnd, 7, 9, *names)
        self.probe("drop", hwnd, 1, 2, r"C:\second")
        first, second = self.stand_in_reports(hwnd, count=2)
        self.assertEqual(first, ["drop", "7", "9"] + names)
        self.assertEqual(second, ["drop", "1", "2", r"C:\second"])

    def test_clipboard_text_outlives_the_probe(self):
        self.probe("setclip", "http://example.invalid/ä б")
        self.assertEqual(self.probe("getclip"), "http://example.invalid/ä б")

    def test_xdnd_drop_reaches_a_window_that_accepts_files_with_wide_names(self):
        hwnd = self.make_window("PelXdndTarget", "xdnd target", (100, 600, 300, 700))
        folder = self.new_folder()
        paths = [os.path.join(folder, name) for name in ("plain.txt", "with space %.txt",
                                                         "Отчёт.txt")]
        for path in paths:
            with open(path, "w") as f:
                f.write("x\n")
        self.drop_files(150, 650, paths)
        report, = self.stand_in_reports(hwnd)
        self.assertEqual(report, ["drop", "50", "50"] + [self.winpath(p) for p in paths])
