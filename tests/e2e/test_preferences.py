"""The preferences dialog of the real program, opened from the menu's
"Settings" and driven by the pointer and the keys: the bar previews what the
dialog shows, Cancel undoes it and OK keeps it; the language switch renames the
dialog; "Run at Startup" writes and deletes the start-up shortcut."""

import glob
import os
import shutil
import struct

from test_datafile import NOTEPAD, PREF_LINE, URL, WINDOWS_FOLDER, data_file_lines
from test_using_the_bar import CELL, VISIBLE_ICON_COUNT, UsingTheBarTestCase, accessible

DIALOG_CLASS = "TDlgPref"
CLIENT_WIDTH, CLIENT_HEIGHT = 335, 311
EDGE_LEFT = 2

# Control ids of the preferences window (src/win32/PrefLayout.h).
OK, CANCEL = 1, 2
PAGE_SELECTOR, LANGUAGE_BOX, RUN_AT_STARTUP, SCREEN_POSITION = 100, 101, 110, 114
BACKGROUND = 124
SELECTOR_CELL = 40

BM_GETCHECK = 0x00F0
CB_GETCURSEL = 0x0147
LB_GETCURSEL = 0x0188

ITEMS = [NOTEPAD, WINDOWS_FOLDER, URL]
REPORT = "C:\\Документы\\Отчёт.txt"

# What a screen reader is told an element is (oleacc.h).
ROLE_PUSHBUTTON, ROLE_LISTITEM, ROLE_COMBOBOX = 0x2B, 0x22, 0x2E
PAGES_ENGLISH = ["General", "Size and Position", "Style"]
PAGES_RUSSIAN = ["Общие", "Размер и расположение", "Стиль"]
# The visible-count slider starts at 5; a smaller count would be stored as 5.
PREFS = {VISIBLE_ICON_COUNT: 5}

ENGLISH = {"caption": "Settings", OK: "Ok", CANCEL: "Cancel", RUN_AT_STARTUP: "Run at Startup"}
RUSSIAN = {"caption": "Настройка программы", OK: "Принять", CANCEL: "Отмена",
           RUN_AT_STARTUP: "Автозагрузка программы"}


def centre(rect):
    left, top, right, bottom = rect
    return (left + right) // 2, (top + bottom) // 2


class PreferencesTestCase(UsingTheBarTestCase):
    """The bar of the menu tests, its dialog found and read through the probe."""

    def open_settings(self):
        self.choose(0, "Settings")
        self.dialog = self.wait_for(self.find_dialog, message="the preferences dialog")
        return self.dialog

    def find_dialog(self):
        shown = [w["hwnd"] for w in self.windows() if w["cls"] == DIALOG_CLASS and w["visible"]]
        return shown[0] if shown else None

    def wait_closed(self):
        # Under Wine without a window manager a window takes two seconds to hide.
        self.wait_for(lambda: self.find_dialog() is None, message="the dialog to close")

    def control(self, ident):
        return self.controls(self.dialog)[ident]

    def texts(self):
        shown = self.controls(self.dialog)
        texts = {ident: shown[ident]["text"] for ident in (OK, CANCEL, RUN_AT_STARTUP)}
        texts["caption"] = [w["caption"] for w in self.windows() if w["hwnd"] == self.dialog][0]
        return texts

    def click_control(self, ident):
        self.click(*centre(self.control(ident)["rect"]))

    def show_page(self, page):
        left, top = self.control(PAGE_SELECTOR)["rect"][:2]
        self.click(left + SELECTOR_CELL * page + SELECTOR_CELL // 2, top + SELECTOR_CELL // 2)
        self.wait_for(lambda: self.send(self.control(PAGE_SELECTOR)["hwnd"], LB_GETCURSEL) == page,
                      message="page %d" % page)

    def pick(self, ident, steps):
        """Drops a list with a click and moves `steps` items down (up when
        negative) before Return takes the item."""
        self.click_control(ident)
        # Keys on a closed list would pick at every step.
        self.wait_for(lambda: [w for w in self.windows() if w["cls"] == "ComboLBox" and w["visible"]],
                      message="the list to drop down")
        self.key(*["Down" if steps > 0 else "Up"] * abs(steps), "Return")

    def selection(self, ident):
        return self.send(self.control(ident)["hwnd"], CB_GETCURSEL)

    def checked(self, ident):
        return self.send(self.control(ident)["hwnd"], BM_GETCHECK) == 1

    def left_column(self):
        """The bar's rectangle once it stands as a column on the left edge."""
        rect = self.bar_rect()
        left, top, right, bottom = rect
        return rect if left == self.work_area(0)[0] and bottom - top > right - left else None

    def close_and_read_raw(self, bar):
        self.probe("close", self.bar_hwnd())
        self.assertEqual(self.wait_exit(bar), 0, "the bar did not end")
        return self.read_data_file(bar, raw=True)


class PreviewAndLanguageTests(PreferencesTestCase):
    def page_names(self):
        return [row["name"] for row in accessible(self, self.control(PAGE_SELECTOR)["hwnd"])[1:]]

    def test_the_bar_previews_the_edge_cancel_undoes_it_and_ok_stores_it(self):
        bar = self.start_with(ITEMS + [REPORT], PREFS)
        stored = self.bar_rect()
        work = self.work_area(0)

        # A screen reader in another process hears the cells by the names the
        # hint shows, between the two scroll buttons.
        rows = accessible(self, self.bar_hwnd())
        self.assertEqual([row["name"] for row in rows],
                         ["Pellorinth", "Scroll left", "notepad", "windows", URL, "Отчёт",
                          "Scroll right"])
        self.assertEqual({row["role"] for row in rows[1:]}, {ROLE_PUSHBUTTON})
        self.assertEqual(rows[5]["description"], REPORT)
        x, y = self.cell_center(0)
        self.assertEqual(rows[2]["location"], (x - CELL // 2, y - CELL // 2, CELL, CELL))

        self.open_settings()
        left, top, right, bottom = [w["rect"] for w in self.windows()
                                    if w["hwnd"] == self.dialog][0]
        client = tuple(int(v) for v in self.probe("client", self.dialog).split())
        self.assertEqual((client[2] - client[0], client[3] - client[1]),
                         (CLIENT_WIDTH, CLIENT_HEIGHT))
        # The whole window, frame included, stands in the middle of the work area.
        self.assertLessEqual(abs((left + right) - (work[0] + work[2])), 2, "centred across")
        self.assertLessEqual(abs((top + bottom) - (work[1] + work[3])), 2, "centred down")
        self.assertEqual(self.texts(), ENGLISH)
        # The drawn controls read as the lists they look like.
        self.assertEqual(self.page_names(), PAGES_ENGLISH)
        language = accessible(self, self.control(LANGUAGE_BOX)["hwnd"])
        self.assertEqual((language[0]["role"], language[0]["value"]), (ROLE_COMBOBOX, "English"))
        self.assertEqual([row["name"] for row in language[1:]], ["Русский", "English"])
        background = accessible(self, self.control(BACKGROUND)["hwnd"])[0]
        self.assertEqual((background["name"], background["value"]),
                         ("Background of Icons:", "BtnFace"))

        # Russian renames the dialog at once; Cancel brings English back.
        self.pick(LANGUAGE_BOX, -1)
        self.wait_for(lambda: self.texts() == RUSSIAN, message="the Russian texts")
        self.assertEqual(self.page_names(), PAGES_RUSSIAN)
        self.key("Escape")
        self.wait_closed()
        self.open_settings()
        self.assertEqual(self.texts(), ENGLISH)
        self.assertEqual(self.selection(LANGUAGE_BOX), 1)

        # Left moves the bar at once into a column on the left edge.
        self.show_page(1)
        self.pick(SCREEN_POSITION, EDGE_LEFT)
        column = self.wait_for(self.left_column, message="the bar to move to the left edge")
        self.click_control(CANCEL)
        self.wait_closed()
        self.wait_for(lambda: self.bar_rect() == stored, message="the bar back where it was")

        # The dialog reopens on the page shown last, with the stored edge.
        self.open_settings()
        self.assertEqual(self.send(self.control(PAGE_SELECTOR)["hwnd"], LB_GETCURSEL), 1)
        self.assertTrue(self.control(SCREEN_POSITION)["visible"])
        self.assertEqual(self.selection(SCREEN_POSITION), 0)
        self.pick(SCREEN_POSITION, EDGE_LEFT)
        self.wait_for(lambda: self.bar_rect() == column, message="the bar to move again")
        self.key("Return")
        self.wait_closed()
        self.assertEqual(self.bar_rect(), column)
        prefs = self.written_prefs(bar)
        self.assertEqual(prefs[PREF_LINE["ScreenPosition"]], str(EDGE_LEFT))
        self.assertEqual(prefs[PREF_LINE["LanguageIndex"]], "1")


class ShortcutTests(PreferencesTestCase):
    def startup_shortcut(self):
        found = glob.glob(os.path.join(
            self.session.env["WINEPREFIX"], "drive_c", "users", "*", "AppData", "Roaming",
            "Microsoft", "Windows", "Start Menu", "Programs", "StartUp", "Pellorinth.lnk"))
        return found[0] if found else None

    def test_run_at_startup_writes_and_deletes_the_shortcut_and_ok_alone_changes_nothing(self):
        # The same file written by a bar whose dialog never opened.
        reference = self.start_with(ITEMS, PREFS)
        expected = self.close_and_read_raw(reference)

        stale = self.startup_shortcut()
        if stale:
            os.remove(stale)  # left by another test in this prefix
        bar = self.start_with(ITEMS, PREFS)
        self.open_settings()
        self.assertFalse(self.checked(RUN_AT_STARTUP))
        self.click_control(RUN_AT_STARTUP)
        self.click_control(OK)
        self.wait_closed()
        link = self.wait_for(self.startup_shortcut, message="the start-up shortcut")
        with open(link, "rb") as f:
            content = f.read()
        target = self.winpath(bar.exe)
        self.assertTrue(target.lower().encode("utf-16-le") in content.lower() or
                        target.lower().encode("cp1252") in content.lower(),
                        "the shortcut names %s" % target)

        self.open_settings()
        self.assertTrue(self.checked(RUN_AT_STARTUP))
        self.click_control(RUN_AT_STARTUP)
        self.key("Return")
        self.wait_closed()
        self.wait_for(lambda: self.startup_shortcut() is None, message="the shortcut to go")

        self.open_settings()
        self.key("Return")
        self.wait_closed()
        self.assertEqual(self.close_and_read_raw(bar), expected)


def scaled(length, dpi):
    """A length at 96 DPI in pixels of `dpi`, rounded half away from zero."""
    return (length * dpi * 2 + 96) // (2 * 96)


def icon_file(frames):
    """An .ico file of square 32-bit frames {side: (r, g, b)}, each one colour."""
    directory = struct.pack("<HHH", 0, 1, len(frames))
    images = b""
    offset = 6 + 16 * len(frames)
    for side, (r, g, b) in frames.items():
        mask_row = ((side + 31) // 32) * 4
        image = struct.pack("<IiiHHIIiiII", 40, side, 2 * side, 1, 32, 0, 0, 0, 0, 0, 0)
        image += bytes((b, g, r, 255)) * (side * side) + b"\0" * (mask_row * side)
        directory += struct.pack("<BBBBHHII", side % 256, side % 256, 0, 0, 1, 32, len(image),
                                 offset + len(images))
        images += image
    return directory + images


class ScaleTests(PreferencesTestCase):
    """The bar and its dialog at 100, 150 and 200 %: the prefix's LogPixels."""

    FRAMES = {32: (255, 0, 0), 48: (0, 160, 0), 64: (0, 0, 255)}

    def cell_center(self, index):
        left, top = self.client[:2]
        return (left + self.panel + self.cell * index + self.cell // 2, top + self.cell // 2)

    def show_scaled_page(self, page):
        left, top = self.control(PAGE_SELECTOR)["rect"][:2]
        side = scaled(SELECTOR_CELL, self.dpi)
        self.click(left + side * page + side // 2, top + side // 2)
        self.wait_for(lambda: self.send(self.control(PAGE_SELECTOR)["hwnd"], LB_GETCURSEL) == page,
                      message="page %d" % page)

    def test_cells_icons_dialog_and_data_file_at_96_144_and_192_dpi(self):
        with self.own_prefix() as session:
            folder = self.new_folder()
            shutil.copy2(session.exe, os.path.join(folder, "Pellorinth.exe"))
            icon = os.path.join(folder, "three.ico")
            with open(icon, "wb") as f:
                f.write(icon_file(self.FRAMES))
            lines = data_file_lines([NOTEPAD, NOTEPAD, URL], [self.winpath(icon), "", ""],
                                    {"VisibleIconCount": 5})
            written = {}
            try:
                for dpi in (96, 144, 192):
                    with self.subTest(dpi=dpi):
                        written[dpi] = self.check_at(session, dpi, folder, lines)
            finally:
                self.set_log_pixels(session, 96)
            self.assertEqual(written.get(144), written[96], "the data file written at 144 DPI")
            self.assertEqual(written.get(192), written[96], "the data file written at 192 DPI")

    def set_log_pixels(self, session, dpi):
        session.spawn(["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels",
                       "/t", "REG_DWORD", "/d", str(dpi), "/f"]).wait(timeout=60)

    def check_at(self, session, dpi, folder, lines):
        self.dpi = dpi
        self.set_log_pixels(session, dpi)
        self.cell, self.panel = scaled(36, dpi), scaled(20, dpi)
        bar = self.start_bar(lines, folder=folder)
        self.client = tuple(int(v) for v in self.probe("client", self.bar_hwnd()).split())
        self.move(640, 500)
        left, top, right, bottom = self.client
        self.assertEqual((right - left, bottom - top), (5 * self.cell + 2 * self.panel, self.cell),
                         "the cell pitch at %d DPI" % dpi)

        # The frame drawn is the one of the icon's size, not one stretched.
        side = scaled(32, dpi)
        x, y = self.cell_center(0)
        self.wait_for(lambda: self.pixel(x, y) == self.FRAMES[side],
                      message="the %d-pixel frame of the icon" % side)
        self.assertEqual(self.pixel(x - side // 2 + 1, y - side // 2 + 1), self.FRAMES[side])

        self.open_settings()
        client = tuple(int(v) for v in self.probe("client", self.dialog).split())
        self.assertEqual((client[2] - client[0], client[3] - client[1]),
                         (scaled(CLIENT_WIDTH, dpi), scaled(CLIENT_HEIGHT, dpi)))
        for page in (0, 1, 2):
            if page:
                self.show_scaled_page(page)
            self.assertEqual(self.probe("clipped", self.dialog, scaled(11, dpi),
                                        scaled(16, dpi)), "", "clipped texts on page %d" % page)
        self.key("Escape")
        self.wait_closed()
        return self.close_and_read_raw(bar)
