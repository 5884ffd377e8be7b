"""The data file and the item pictures in the real program: what a prepared
file shows, what closing writes back, a write that must fail, the first run
without a file, a target outside the ANSI code page, the menu's "Default",
a read-only program folder and a file of another code page."""

import os
import shutil
import struct
import subprocess

from harness import REPO, BarTestCase

# The 23 preference lines of a file the program writes with its built-in
# settings, except MonitorIndex 0 so that a one-monitor run keeps it.
DEFAULT_PREFS = ["0", "0", "clBtnFace", "clYellow", "Arial Narrow", "16", "1", "clBlack", "1",
                 "0", "0", "12", "0", "0", "clSilver", "clWhite", "0", "1", "0", "0", "0", "0",
                 "1"]
PREF_LINE = {
    "AutoHide": 0, "FixedIcons": 1, "BackgroundColor": 2, "HintOutlineColor": 3,
    "HintFontName": 4, "HintFontSize": 5, "HintFontStyle": 6, "HintFontColor": 7,
    "ShowHints": 8, "ScrollButtonPosition": 9, "HoverScroll": 10, "VisibleIconCount": 11,
    "ScreenPosition": 12, "GradientBackground": 13, "GradientStartColor": 14,
    "GradientEndColor": 15, "AddToEnd": 16, "DeleteWithMouse": 17, "ConfirmDelete": 18,
    "MonitorIndex": 19, "OffsetX": 20, "OffsetY": 21, "LanguageIndex": 22,
}

UTF8_BOM = b"\xef\xbb\xbf"
CELL = 36
ICON = 32
ICON_MARGIN = 2
SCROLL_PANEL = 20
CUSTOM_COLOR = (200, 30, 150)
CUSTOM_BORDER = 4

NOTEPAD = "C:\\windows\\notepad.exe"
WINDOWS_FOLDER = "C:\\windows\\"
URL = "http://pellorinth.example/page"
MISSING = "C:\\pellorinth-missing\\gone.exe"
REGEDIT = "C:\\windows\\regedit.exe"


def data_file_lines(items, icons=None, prefs=None):
    """The lines of a data file: targets ("" is a separator), custom icon
    paths (default: none) and preference overrides by member name."""
    icons = list(icons) if icons is not None else [""] * len(items)
    pref_lines = list(DEFAULT_PREFS)
    for name, value in (prefs or {}).items():
        pref_lines[PREF_LINE[name]] = str(value)
    return (["[PATH]"] + list(items) + ["[~]", "[ICON]"] + icons + ["[~]", "[PREF]"] +
            pref_lines + ["[~]"])


def encode_lines(lines, encoding="cp1252", bom=b""):
    return bom + "".join(line + "\r\n" for line in lines).encode(encoding)


def section(text, header):
    """The value lines of one section of a written file."""
    lines = text.split("\r\n")
    start = lines.index(header) + 1
    return lines[start:lines.index("[~]", start)]


def read_ico(path):
    """A 32x32 32-bit .ico as 32 rows of (r, g, b, a), top row first."""
    with open(path, "rb") as f:
        data = f.read()
    offset = struct.unpack_from("<I", data, 18)[0]
    width, double_height, _, bits = struct.unpack_from("<iiHH", data, offset + 4)
    if (width, double_height, bits) != (ICON, 2 * ICON, 32):
        raise ValueError("%s is not a 32x32 32-bit icon" % path)
    pixels = data[offset + 40:offset + 40 + ICON * ICON * 4]
    rows = []
    for y in range(ICON - 1, -1, -1):  # stored bottom-up
        row = []
        for x in range(ICON):
            b, g, r, a = pixels[4 * (y * ICON + x):4 * (y * ICON + x) + 4]
            row.append((r, g, b, a))
        rows.append(row)
    return rows


def solid_ico(color, border):
    """A 32x32 icon of one colour with a transparent border `border` wide."""
    r, g, b = color
    pixels = bytearray()
    mask = bytearray()
    for y in range(ICON - 1, -1, -1):
        mask_bits = 0
        for x in range(ICON):
            inside = border <= x < ICON - border and border <= y < ICON - border
            pixels += bytes((b, g, r, 255)) if inside else bytes(4)
            if not inside:
                mask_bits |= 1 << (ICON - 1 - x)
        mask += mask_bits.to_bytes(4, "big")
    header = struct.pack("<IiiHHIIiiII", 40, ICON, 2 * ICON, 1, 32, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    image = header + bytes(pixels) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", ICON, ICON, 0, 0, 1, 32,
                                                           len(image), 6 + 16)
    return directory + image


class DataFileTestCase(BarTestCase):
    """Finds each cell from the bar's client area: the back scroll panel comes
    first, then the cells in item order."""

    def start_bar(self, *args, **kwargs):
        self._client = None
        return super().start_bar(*args, **kwargs)

    def move(self, x, y):
        # `xdotool mousemove --sync` waits 15 s for a move that never comes
        # when the pointer already stands there.
        where = subprocess.run(["xdotool", "getmouselocation", "--shell"], env=self.session.env,
                               stdin=subprocess.DEVNULL, capture_output=True, timeout=30,
                               check=True).stdout.decode()
        if "X=%d\nY=%d\n" % (x, y) not in where:
            super().move(x, y)

    def client(self):
        """The bar's client area on the screen, asked once per start."""
        if self._client is None:
            self._client = tuple(int(v) for v in self.probe("client", self.bar_hwnd()).split())
        return self._client

    def cell_origin(self, index):
        left, top, right, bottom = self.client()
        if right - left == CELL and bottom - top > CELL:  # a column
            return left, top + SCROLL_PANEL + CELL * index
        return left + SCROLL_PANEL + CELL * index, top

    def icon_pixels(self, shot, index):
        x0, y0 = self.cell_origin(index)
        return [[shot.pixel(x0 + ICON_MARGIN + x, y0 + ICON_MARGIN + y) for x in range(ICON)]
                for y in range(ICON)]

    def cell_background(self, shot, index):
        # Inside the current cell's focus rectangle, outside the icon.
        x0, y0 = self.cell_origin(index)
        return shot.pixel(x0 + 1, y0 + 1)

    def expected_pixels(self, picture, background):
        return [[(r, g, b) if a == 255 else background for r, g, b, a in row] for row in picture]

    def assert_shows_stock(self, shot, index, ico_name, what):
        picture = read_ico(os.path.join(REPO, "res", ico_name))
        expected = self.expected_pixels(picture, self.cell_background(shot, index))
        actual = self.icon_pixels(shot, index)
        wrong = [(x, y) for y in range(ICON) for x in range(ICON)
                 if actual[y][x] != expected[y][x]]
        self.assertEqual(wrong[:10], [], "cell %d (%s) is not %s: %d pixels differ" % (
            index, what, ico_name, len(wrong)))

    def assert_shows_an_icon_other_than(self, shot, index, ico_name, what):
        background = self.cell_background(shot, index)
        actual = self.icon_pixels(shot, index)
        drawn = sum(1 for row in actual for pixel in row if pixel != background)
        self.assertGreater(drawn, 50, "cell %d (%s) shows no icon" % (index, what))
        picture = read_ico(os.path.join(REPO, "res", ico_name))
        self.assertNotEqual(actual, self.expected_pixels(picture, background),
                            "cell %d (%s) shows %s" % (index, what, ico_name))

    def assert_shows_solid_icon(self, shot, index, color):
        background = self.cell_background(shot, index)
        actual = self.icon_pixels(shot, index)
        for y in range(ICON):
            for x in range(ICON):
                inside = (CUSTOM_BORDER <= x < ICON - CUSTOM_BORDER and
                          CUSTOM_BORDER <= y < ICON - CUSTOM_BORDER)
                self.assertEqual(actual[y][x], color if inside else background,
                                 "cell %d, icon pixel (%d, %d)" % (index, x, y))

    def settle(self):
        """Keeps the pointer off the bar and waits until the cells are painted."""
        self.move(640, 400)
        x0, y0 = self.cell_origin(0)

        def painted():
            shot = self.screenshot()
            return shot if shot.pixel(x0 + CELL // 2, y0 + CELL // 2) != shot.pixel(
                x0 + 1, y0 + 1) else None

        return self.wait_for(painted, timeout=10, message="the first cell to be painted")

    def close_bar(self, bar):
        self.probe("close", self.bar_hwnd())
        self.assertEqual(self.wait_exit(bar), 0, "the bar did not end")

    def open_menu_on_cell(self, index):
        x, y = self.cell_origin(index)
        self.move(x + CELL // 2, y + CELL // 2)
        self.right_click(x + CELL // 2, y + CELL // 2)
        return self.wait_for(self.open_menus, timeout=10, message="the context menu")[0]

    def open_menus(self):
        return [w["hwnd"] for w in self.windows() if w["cls"] == "#32768" and w["visible"]]


class PicturesTests(DataFileTestCase):
    def test_each_kind_of_item_shows_its_picture_where_the_file_places_the_bar(self):
        items = [NOTEPAD, WINDOWS_FOLDER, URL, "", MISSING, REGEDIT]
        icons = ["", "", "", "", "", ".my.ico"]
        prefs = {"VisibleIconCount": len(items), "ScreenPosition": 1, "OffsetX": 100,
                 "OffsetY": -4}
        self.start_bar(data_file_lines(items, icons, prefs),
                       files={"my.ico": solid_ico(CUSTOM_COLOR, CUSTOM_BORDER)})

        left, top, right, bottom = self.bar_rect()
        c_left, c_top, c_right, c_bottom = self.client()
        self.assertEqual((c_right - c_left, c_bottom - c_top), (len(items) * CELL + 40, CELL))
        work_left, _, work_right, work_bottom = self.work_area(0)
        width, height = right - left, bottom - top
        self.assertEqual(left, work_left + (work_right - work_left - width) // 2 + 100)
        self.assertEqual(top, work_bottom - height - 4)

        shot = self.settle()
        self.assert_shows_an_icon_other_than(shot, 0, "stock_unknown.ico", "a program")
        self.assert_shows_an_icon_other_than(shot, 1, "stock_unknown.ico", "a folder")
        self.assert_shows_stock(shot, 2, "stock_url.ico", "a URL")
        self.assert_shows_stock(shot, 3, "stock_del.ico", "a separator")
        self.assert_shows_stock(shot, 4, "stock_unknown.ico", "a missing target")
        self.assert_shows_solid_icon(shot, 5, CUSTOM_COLOR)
        self.assertNotEqual(self.icon_pixels(shot, 0), self.icon_pixels(shot, 1),
                            "the program and the folder show the same icon")

    def test_custom_icon_whose_file_is_not_there_yet_falls_back_is_kept_and_shows_later(self):
        items = [NOTEPAD, URL]
        bar = self.start_bar(data_file_lines(items, [".late.ico", ".late.ico"],
                                             {"VisibleIconCount": 2}))
        shot = self.settle()
        self.assert_shows_an_icon_other_than(shot, 0, "stock_unknown.ico", "a program")
        self.assert_shows_stock(shot, 1, "stock_url.ico", "a URL")

        # The file arrives, as a drive mapped late does; a later paint of the
        # cells (the pointer going over them) shows it.
        with open(os.path.join(bar.folder, "late.ico"), "wb") as f:
            f.write(solid_ico(CUSTOM_COLOR, CUSTOM_BORDER))
        moves = []

        def shows_it():
            x, y = self.cell_origin(len(moves) % 2)
            moves.append(1)
            self.move(x + CELL // 2, y + CELL // 2)
            x, y = self.cell_origin(0)
            return self.pixel(x + CELL // 2, y + CELL // 2) == CUSTOM_COLOR

        self.wait_for(shows_it, timeout=20, interval=0.5, message="the icon file's picture")
        shot = self.settle()
        self.assert_shows_solid_icon(shot, 0, CUSTOM_COLOR)
        self.assert_shows_solid_icon(shot, 1, CUSTOM_COLOR)
        self.close_bar(bar)
        self.assertEqual(section(self.read_data_file(bar), "[ICON]"), [".late.ico", ".late.ico"])


class RewriteTests(DataFileTestCase):
    def test_closing_writes_back_what_it_read_byte_for_byte(self):
        items = [NOTEPAD, WINDOWS_FOLDER, URL, "", MISSING, REGEDIT]
        icons = ["", "", "", "", "", ".my.ico"]
        prefs = {"VisibleIconCount": 5, "ScreenPosition": 2, "OffsetX": 3, "OffsetY": -20,
                 "BackgroundColor": "$00123456", "HintFontStyle": 8, "HintFontName": "Tahoma",
                 "GradientStartColor": "clRed", "LanguageIndex": 0,
                 # a monitor that is away and the colour under a gradient stay
                 "MonitorIndex": 3, "GradientBackground": 1}
        prepared = encode_lines(data_file_lines(items, icons, prefs))
        first = self.start_bar(prepared, files={"my.ico": solid_ico(CUSTOM_COLOR, CUSTOM_BORDER)})
        self.assertEqual(self.bar_rect()[0], self.work_area(0)[0] + 3, "not on monitor 0")
        self.close_bar(first)
        written = self.read_data_file(first, raw=True)
        self.assertEqual(written.decode("cp1252").split("\r\n"),
                         prepared.decode("cp1252").split("\r\n"))
        self.assertEqual(written, prepared)

        # A second run from the file the program wrote, ended from the menu.
        second = self.start_bar(folder=first.folder)
        self.open_menu_on_cell(0)
        self.key("Up", "Return")
        self.assertEqual(self.wait_exit(second), 0, "Quit did not end the bar")
        self.assertEqual(self.read_data_file(second, raw=True), written)

    def test_read_only_data_file_is_left_whole_and_the_bar_still_ends(self):
        # LF line ends: any write by the program would change the bytes.
        original = "\n".join(data_file_lines([NOTEPAD, URL], prefs={"VisibleIconCount": 2}))
        original = original.encode("cp1252") + b"\n"
        bar = self.start_bar(original)
        before = sorted(os.listdir(bar.folder))
        self.assertEqual(self.probe("readonly", self.winpath(bar.data_path)), "1")
        try:
            self.close_bar(bar)
            self.assertEqual(self.read_data_file(bar, raw=True), original)
            self.assertEqual(sorted(os.listdir(bar.folder)), before,
                             "the failed write left something behind")
        finally:
            self.probe("readonly", self.winpath(bar.data_path), 0)


class FirstRunTests(DataFileTestCase):
    def shell_folders(self):
        out = subprocess.run(
            ["wine", "reg", "query",
             "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"],
            env=self.session.env, stdin=subprocess.DEVNULL, capture_output=True, timeout=60,
            check=True).stdout.decode("utf-8", "replace")
        values = {}
        for line in out.splitlines():
            name, kind, value = (line.strip().split("    ") + ["", ""])[:3]
            if kind == "REG_SZ":
                values[name] = value
        return values

    def exists_in_prefix(self, path):
        relative = path[len("C:\\"):].replace("\\", "/")
        return os.path.isfile(os.path.join(self.session.env["WINEPREFIX"], "drive_c", relative))

    def test_without_a_data_file_the_first_list_is_seeded_in_english_and_written(self):
        registry = self.shell_folders()
        expected = [registry[name] + "\\" for name in
                    ("Desktop", "My Pictures", "My Music", "My Video", "Personal")
                    if name in registry]
        self.assertTrue(expected, "the prefix's registry has none of the folders")
        expected.append("")
        expected += [path for path in (
            "C:\\Program Files\\Windows Media Player\\wmplayer.exe",
            "C:\\Program Files\\Internet Explorer\\iexplore.exe") if self.exists_in_prefix(path)]
        expected.append("")

        bar = self.start_bar()
        self.assertIsNone(self.read_data_file(bar), "the file was written before the close")
        c_left, c_top, c_right, _ = self.client()
        count = len(expected) + 1
        self.assertEqual(c_right - c_left, count * CELL + 40, "not every seeded item shows")
        self.assertEqual(self.bar_rect()[1], self.work_area(0)[1])

        # About, the second item from the end of the menu, speaks the interface's language.
        self.open_menu_on_cell(count - 1)
        self.key("Up", "Up", "Return")
        box = self.wait_for(self.message_boxes, timeout=10, message="the About box")[0]
        caption, texts = self.box_text(box)
        self.assertEqual(caption, "Information")
        self.assertTrue(any(t.startswith("Program for launch applications") for t in texts),
                        texts)
        self.click_button(box, "ok")
        self.wait_for(lambda: not self.message_boxes(), timeout=10, message="the box to close")
        self.assert_shows_stock(self.settle(), count - 1, "stock_url.ico", "the seeded URL")

        self.close_bar(bar)
        written = self.read_data_file(bar, raw=True)
        self.assertFalse(written.startswith(UTF8_BOM))
        text = written.decode("cp1252")
        items = section(text, "[PATH]")
        self.assertEqual(items[:-1], expected)
        self.assertRegex(items[-1], r"^https?://\S+$")
        self.assertEqual(section(text, "[ICON]"), [""] * count)
        prefs = section(text, "[PREF]")
        self.assertEqual(len(prefs), 23)
        self.assertEqual(prefs[PREF_LINE["VisibleIconCount"]], str(count))
        for name in ("ScreenPosition", "MonitorIndex", "OffsetX", "OffsetY"):
            self.assertEqual(prefs[PREF_LINE[name]], "0", name)
        self.assertEqual(prefs[PREF_LINE["LanguageIndex"]], "1")


class UnicodeTests(DataFileTestCase):
    def test_a_target_outside_the_code_page_round_trips_as_utf8_with_a_bom(self):
        folder = self.new_folder()
        os.makedirs(os.path.join(folder, "тест"))
        with open(os.path.join(folder, "тест", "файл.txt"), "w") as f:
            f.write("text\n")
        target = self.winpath(os.path.join(folder, "тест", "файл.txt"))
        missing = "C:\\тест\\нет.exe"
        lines = data_file_lines([target, missing, "C:\\Café\\naïve.txt"],
                                prefs={"VisibleIconCount": 3})
        prepared = encode_lines(lines, "utf-8", UTF8_BOM)
        shutil.copy2(self.session.exe, os.path.join(folder, "Pellorinth.exe"))
        bar = self.start_bar(prepared, folder=folder)
        shot = self.settle()
        # A target decoded wrongly would be missing and show the blank page.
        self.assert_shows_an_icon_other_than(shot, 0, "stock_unknown.ico", "the Unicode file")
        self.assert_shows_stock(shot, 1, "stock_unknown.ico", "a missing Unicode target")
        self.close_bar(bar)
        written = self.read_data_file(bar, raw=True)
        self.assertTrue(written.startswith(UTF8_BOM), written[:16])
        self.assertEqual(written, prepared)

    def test_a_program_folder_outside_the_code_page_keeps_its_file_and_icons(self):
        folder = os.path.join(self.new_folder(), "панель")
        os.makedirs(folder)
        shutil.copy2(self.session.exe, os.path.join(folder, "Pellorinth.exe"))
        prepared = encode_lines(data_file_lines([NOTEPAD, URL], ["", ".my.ico"],
                                                {"VisibleIconCount": 2, "ScreenPosition": 1}))
        bar = self.start_bar(prepared, folder=folder,
                             files={"my.ico": solid_ico(CUSTOM_COLOR, CUSTOM_BORDER)})
        self.assertEqual(self.bar_rect()[3], self.work_area(0)[3], "the file was not read")
        self.assert_shows_solid_icon(self.settle(), 1, CUSTOM_COLOR)
        self.close_bar(bar)
        self.assertEqual(self.read_data_file(bar, raw=True), prepared)

    def test_a_file_the_code_page_holds_stays_ansi(self):
        lines = data_file_lines(["C:\\Café\\naïve.txt"], prefs={"VisibleIconCount": 1})
        bar = self.start_bar(encode_lines(lines, "utf-8", UTF8_BOM))
        self.close_bar(bar)
        self.assertEqual(self.read_data_file(bar, raw=True), encode_lines(lines))


class DefaultIconTests(DataFileTestCase):
    def test_default_from_the_menu_takes_back_the_custom_icon(self):
        items = [NOTEPAD, URL]
        bar = self.start_bar(data_file_lines(items, [".my.ico", ".my.ico"],
                                             {"VisibleIconCount": 2}),
                             files={"my.ico": solid_ico(CUSTOM_COLOR, CUSTOM_BORDER)})
        self.assert_shows_solid_icon(self.settle(), 0, CUSTOM_COLOR)

        self.open_menu_on_cell(0)
        # Delete Item, Change URL, Add Item, Change Icon; then its second entry.
        self.key("Down", "Down", "Down", "Down", "Right")
        self.wait_for(lambda: len(self.open_menus()) == 2, timeout=10,
                      message="the Change Icon submenu")
        self.key("Down", "Return")
        self.wait_for(lambda: not self.open_menus(), timeout=10, message="the menu to close")

        self.move(640, 400)
        shot = self.wait_for(lambda: self.shot_if_cell_changed(0), timeout=10,
                             message="cell 0 to lose its custom icon")
        self.assert_shows_an_icon_other_than(shot, 0, "stock_unknown.ico", "the program")
        self.assert_shows_solid_icon(shot, 1, CUSTOM_COLOR)
        self.close_bar(bar)
        self.assertEqual(section(self.read_data_file(bar), "[ICON]"), ["", ".my.ico"])

    def test_an_icon_chosen_in_the_program_folder_is_stored_relative_to_it(self):
        bar = self.start_bar(data_file_lines([NOTEPAD, URL], prefs={"VisibleIconCount": 2}),
                             files={"my.ico": solid_ico(CUSTOM_COLOR, CUSTOM_BORDER)})
        self.settle()
        self.open_menu_on_cell(1)
        self.key("Down", "Down", "Down", "Down", "Right")
        self.wait_for(lambda: len(self.open_menus()) == 2, timeout=10,
                      message="the Change Icon submenu")
        self.key("Return")
        # The dialog opens in the program's folder, so the bare name picks the file there.
        dialog = self.wait_for(self.message_boxes, timeout=10, message="the file dialog")[0]
        self.type_text("my.ico")
        self.key("Return")
        self.wait_for(lambda: dialog not in self.message_boxes(), timeout=10,
                      message="the file dialog to close")
        self.move(640, 400)
        shot = self.wait_for(lambda: self.shot_if_cell_is(1, CUSTOM_COLOR), timeout=10,
                             message="cell 1 to show the chosen icon")
        self.assert_shows_solid_icon(shot, 1, CUSTOM_COLOR)
        self.close_bar(bar)
        self.assertEqual(section(self.read_data_file(bar), "[ICON]"), ["", ".my.ico"])

    def shot_if_cell_is(self, index, color):
        shot = self.screenshot()
        x0, y0 = self.cell_origin(index)
        centre = shot.pixel(x0 + ICON_MARGIN + ICON // 2, y0 + ICON_MARGIN + ICON // 2)
        return shot if centre == color else None

    def shot_if_cell_changed(self, index):
        shot = self.screenshot()
        x0, y0 = self.cell_origin(index)
        centre = shot.pixel(x0 + ICON_MARGIN + ICON // 2, y0 + ICON_MARGIN + ICON // 2)
        return shot if centre != CUSTOM_COLOR else None



class UnusableFileTests(DataFileTestCase):
    def app_data_folder(self):
        """The bar's folder in the prefix's roaming application data."""
        users = os.path.join(self.session.env["WINEPREFIX"], "drive_c", "users")
        for user in sorted(os.listdir(users)):
            roaming = os.path.join(users, user, "AppData", "Roaming")
            if user != "Public" and os.path.isdir(roaming):
                return os.path.join(roaming, "Pellorinth")
        self.fail("the prefix has no roaming application-data folder")

    def read_only_view(self, folder):
        """A read-only bind mount of `folder`, removed when the test ends."""
        view = self.new_folder()
        if os.geteuid() != 0:
            self.skipTest("a read-only bind mount needs root")
        for command in (["mount", "--bind", folder, view],
                        ["mount", "-o", "remount,bind,ro", view]):
            result = subprocess.run(command, stdin=subprocess.DEVNULL, capture_output=True,
                                    timeout=30)
            if result.returncode != 0:
                subprocess.run(["umount", view], stdin=subprocess.DEVNULL, capture_output=True,
                               timeout=30)
                self.skipTest("cannot mount a read-only view of a folder: %s" %
                              result.stderr.decode("utf-8", "replace").strip())
        self.addCleanup(subprocess.run, ["umount", view], stdin=subprocess.DEVNULL,
                        capture_output=True, timeout=30)
        return view

    def test_a_read_only_program_folder_keeps_the_changes_in_the_application_data_folder(self):
        app_data = self.app_data_folder()
        shutil.rmtree(app_data, ignore_errors=True)
        self.addCleanup(shutil.rmtree, app_data, True)
        folder = self.new_folder()
        shutil.copy2(self.session.exe, os.path.join(folder, "Pellorinth.exe"))
        seed = encode_lines(data_file_lines([NOTEPAD, URL], prefs={"VisibleIconCount": 3}))
        with open(os.path.join(folder, "Pellorinth_data"), "wb") as f:
            f.write(seed)
        dropped = os.path.join(self.new_folder(), "dropped.txt")
        with open(dropped, "w") as f:
            f.write("dropped\n")
        view = self.read_only_view(folder)

        first = self.start_bar(folder=view)
        x, y = self.cell_origin(0)
        self.drop_files(x + CELL // 2, y + CELL // 2, [dropped])
        self.close_bar(first)
        kept = os.path.join(app_data, "Pellorinth_data")
        with open(kept, "rb") as f:
            self.assertEqual(section(f.read().decode("cp1252"), "[PATH]"),
                             [self.winpath(dropped), NOTEPAD, URL])
        self.assertEqual(self.read_data_file(first, raw=True), seed)

        # The second start reads the copy in the application-data folder.
        second = self.start_bar(folder=view)
        self.assertEqual(self.message_boxes(), [])
        self.close_bar(second)
        with open(kept, "rb") as f:
            self.assertIn(self.winpath(dropped).encode("cp1252"), f.read())

    def test_a_cp1251_file_read_under_a_japanese_locale_keeps_its_bytes(self):
        japanese = {"LANG": "ja_JP.UTF-8", "LC_ALL": "ja_JP.UTF-8"}
        acp = subprocess.run(["wine", self.session.probe_copy, "acp"],
                             env=dict(self.session.env, **japanese), stdin=subprocess.DEVNULL,
                             capture_output=True, timeout=60).stdout.decode().strip()
        if acp != "932":
            self.skipTest("no Japanese code page under LANG=ja_JP.UTF-8 (got %r): the locale "
                          "is missing; scripts/lib.sh makes it" % acp)
        prepared = encode_lines(data_file_lines(["C:\\Отчёт\\план.txt", URL],
                                                prefs={"VisibleIconCount": 2}), "cp1251")
        bar = self.start_bar(prepared, env=japanese)
        self.close_bar(bar)
        backup = os.path.join(bar.folder, "Pellorinth_data.bak")
        kept = []
        for path in (bar.data_path, backup):
            if os.path.isfile(path):
                with open(path, "rb") as f:
                    kept += [path] if f.read() == prepared else []
        self.assertTrue(kept, "neither the data file nor its copy holds the bytes read")
