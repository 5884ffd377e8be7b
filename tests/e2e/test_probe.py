"""The probe's cross-process tools behave as the other tests rely on."""

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
