"""Using the bar in the real program: a click launches, a drag reorders or
deletes, the forward button and Page Down page through the cells, and the
context menu adds items and switches AutoHide and Lock Icons. What the bar
did is read back from the data file it writes when it closes."""

import os
import shutil
import subprocess

from harness import BarTestCase, unescape

CELL = 36
ICON = 32
ICON_MARGIN = 2
SCROLL_PANEL = 20

# A written file's preference lines: every built-in value but MonitorIndex 0
# (one monitor here) and LanguageIndex 1, so the menu reads in English.
DEFAULT_PREFS = ["0", "0", "clBtnFace", "clYellow", "Arial Narrow", "16", "1", "clBlack", "1",
                 "0", "0", "12", "0", "0", "clSilver", "clWhite", "0", "1", "0", "0", "0", "0",
                 "1"]
AUTO_HIDE, FIXED_ICONS, VISIBLE_ICON_COUNT, CONFIRM_DELETE = 0, 1, 11, 18

# The context menu from the top, dividers left out: Wine's menus step onto
# disabled items too and skip only the dividers.
MENU = ["Delete Item", "Change URL", "Add Item", "Change Icon", "Settings", "AutoHide",
        "Lock Icons", "About", "Quit"]
ADD_ITEM_MENU = ["File", "Path", "URL from buffer", "URL", "Separator"]

URL = "http://pellorinth.example/page"
SEPARATOR = ""
NOT_FOUND = "The specified file was not found."


def missing(name):
    """A target that does not exist, so its click would show a box."""
    return "C:\\pellorinth-missing\\%s.exe" % name


def data_file_lines(items, prefs=None):
    """A data file with these targets ("" is a separator), no custom icons
    and the preference lines overridden by line number."""
    pref_lines = list(DEFAULT_PREFS)
    for line, value in (prefs or {}).items():
        pref_lines[line] = str(value)
    return (["[PATH]"] + list(items) + ["[~]", "[ICON]"] + [""] * len(items) +
            ["[~]", "[PREF]"] + pref_lines + ["[~]"])


def data_file_bytes(lines):
    """The file in the ANSI code page, or in UTF-8 behind its mark when some
    line needs more than the code page holds, as the program writes it."""
    text = "".join(line + "\r\n" for line in lines)
    try:
        return text.encode("cp1252")
    except UnicodeEncodeError:
        return b"\xef\xbb\xbf" + text.encode("utf-8")


def accessible(test, hwnd):
    """The window's client object as a screen reader in another process reads
    it: its own row first, then one per child, each a dict of role, state,
    name, value, description and location (left, top, width, height)."""
    rows = []
    for line in test.probe("acc", hwnd).splitlines():
        ident, role, state, name, value, description, location = line.split("\t")
        rows.append({"role": int(role), "state": int(state, 16), "name": unescape(name),
                     "value": unescape(value), "description": unescape(description),
                     "location": tuple(int(v) for v in location.split())})
    return rows


def section(text, header):
    lines = text.split("\r\n")
    start = lines.index(header) + 1
    return lines[start:lines.index("[~]", start)]


class UsingTheBarTestCase(BarTestCase):
    """A row bar on the top edge with one scroll panel at each end."""

    def start_with(self, items, prefs=None, folder=None):
        prefs = dict(prefs or {})
        prefs.setdefault(VISIBLE_ICON_COUNT, len(items))
        bar = self.start_bar(data_file_bytes(data_file_lines(items, prefs)), folder=folder)
        self.client = tuple(int(v) for v in self.probe("client", self.bar_hwnd()).split())
        self.move(640, 500)
        return bar

    def move(self, x, y):
        # xdotool's --sync waits seconds for a motion that never comes when
        # the pointer already sits there.
        if self.pointer() != (x, y):
            super().move(x, y)

    def pointer(self):
        out = subprocess.run(["xdotool", "getmouselocation", "--shell"], env=self.session.env,
                             stdin=subprocess.DEVNULL, capture_output=True, check=True,
                             timeout=30).stdout.decode()
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(values["X"]), int(values["Y"])

    def cell_center(self, index):
        """Screen point in the middle of visible cell `index` (0 = leftmost shown)."""
        left, top = self.client[:2]
        return left + SCROLL_PANEL + CELL * index + CELL // 2, top + CELL // 2

    def forward_button(self):
        right, top = self.client[2], self.client[1]
        return right - SCROLL_PANEL // 2, top + CELL // 2

    def icon_pixels(self, shot, index):
        x, y = self.cell_center(index)
        x0, y0 = x - CELL // 2 + ICON_MARGIN, y - CELL // 2 + ICON_MARGIN
        return tuple(shot.pixel(x0 + dx, y0 + dy) for dy in range(ICON) for dx in range(ICON))

    def close_and_read(self, bar):
        self.probe("close", self.bar_hwnd())
        self.assertEqual(self.wait_exit(bar), 0, "the bar did not end")
        text = self.read_data_file(bar)
        self.assertIsNotNone(text, "no data file was written")
        return text

    def written_items(self, bar):
        return section(self.close_and_read(bar), "[PATH]")

    def written_prefs(self, bar):
        return section(self.close_and_read(bar), "[PREF]")

    # The context menu ------------------------------------------------------

    def open_menus(self):
        return [w["hwnd"] for w in self.windows() if w["cls"] == "#32768" and w["visible"]]

    def choose(self, cell, *path):
        """Right-clicks a cell (which makes it current) and picks a menu
        entry by keyboard: choose(1, "Add Item", "Separator")."""
        self.right_click(*self.cell_center(cell))
        self.wait_for(self.open_menus, timeout=5, message="the context menu")
        self.key(*["Down"] * (MENU.index(path[0]) + 1))
        if len(path) > 1:
            # Opening a submenu from the keyboard selects its first entry.
            self.key("Right")
            self.wait_for(lambda: len(self.open_menus()) == 2, timeout=5,
                          message="the %s submenu" % path[0])
            self.key(*["Down"] * ADD_ITEM_MENU.index(path[1]))
        self.key("Return")
        self.wait_for(lambda: not self.open_menus(), timeout=5, message="the menu to close")

    def dialogs(self, caption):
        return [w["hwnd"] for w in self.windows()
                if w["cls"] == "#32770" and w["visible"] and w["caption"] == caption]


class LaunchingTests(UsingTheBarTestCase):
    def place_marker(self, folder, name):
        """A copy of the marker program in its own subfolder; returns its
        Wine path and the log that each of its runs appends a line to."""
        marker = os.environ.get("PEL_MARKER") or os.path.join(
            os.path.dirname(self.session.probe_exe), "marker.exe")
        if not os.path.isfile(marker):
            self.fail("marker.exe not found at %s (build the target marker)" % marker)
        os.makedirs(os.path.join(folder, name))
        copy = os.path.join(folder, name, "marker.exe")
        shutil.copy2(marker, copy)
        return self.winpath(copy), os.path.join(folder, name, "marker.log")

    def runs(self, log):
        try:
            with open(log, "rb") as f:
                return f.read().count(b"launched\r\n")
        except FileNotFoundError:
            return 0

    def test_a_click_runs_the_target_once_and_so_does_a_double_click(self):
        folder = self.new_folder()
        shutil.copy2(self.session.exe, os.path.join(folder, "Pellorinth.exe"))
        clicked, clicked_log = self.place_marker(folder, "clicked")
        doubled, doubled_log = self.place_marker(folder, "doubled")
        last, last_log = self.place_marker(folder, "last")
        self.start_with([clicked, doubled, last], folder=folder)

        self.click(*self.cell_center(0))
        self.wait_for(lambda: self.runs(clicked_log), message="the clicked target to run")
        self.double_click(*self.cell_center(1))
        self.wait_for(lambda: self.runs(doubled_log), message="the double-clicked target to run")
        # Launches happen in the order of the clicks: once the next target
        # has run, a second run of the earlier ones would have started too.
        self.click(*self.cell_center(2))
        self.wait_for(lambda: self.runs(last_log), message="the last target to run")
        self.assertEqual((self.runs(clicked_log), self.runs(doubled_log), self.runs(last_log)),
                         (1, 1, 1))
        self.assertEqual(self.message_boxes(), [])

    def test_a_missing_file_is_reported_and_the_bar_stays(self):
        bar = self.start_with([missing("gone")])
        self.click(*self.cell_center(0))
        box = self.wait_for(self.message_boxes, message="the information box")[0]
        self.assertEqual(self.box_text(box), ("Information", [NOT_FOUND]))
        self.assertTrue(self.bar_visible())
        self.click_button(box, "ok")
        self.wait_for(lambda: not self.message_boxes(), message="the box to close")
        self.assertTrue(bar.running())
        self.assertTrue(self.bar_visible())


class DraggingTests(UsingTheBarTestCase):
    ITEMS = [missing("first"), missing("second"), missing("third"), missing("fourth")]

    def test_a_drag_onto_another_cell_moves_the_item_there(self):
        bar = self.start_with(self.ITEMS)
        self.drag(*self.cell_center(0), *self.cell_center(2))
        self.move(640, 500)
        self.assertEqual(self.message_boxes(), [], "the drag launched the item")
        self.assertEqual(self.written_items(bar), [self.ITEMS[1], self.ITEMS[2], self.ITEMS[0],
                                                   self.ITEMS[3]])

    def test_a_drag_off_the_bar_removes_the_pressed_item_before_the_release(self):
        bar = self.start_with(self.ITEMS)
        before = self.screenshot()
        self.assertNotEqual(len(set(self.icon_pixels(before, 3))), 1, "cell 3 shows no icon")
        # Press the second item, wander onto the third, then leave the bar
        # downwards across its edge with the button still held.
        x, y = self.cell_center(1)
        self.move(x, y)
        self.session.xdotool("mousedown", 1)
        try:
            self.move(*self.cell_center(2))
            below = self.bar_rect()[3] + 150
            for step in range(1, 6):
                self.move(x + CELL, y + (below - y) * step // 5)
            # Three items are left, so the fourth cell goes blank.
            self.wait_for(lambda: len(set(self.icon_pixels(self.screenshot(), 3))) == 1,
                          message="the item to go while the button is held")
        finally:
            self.session.xdotool("mouseup", 1)
        self.assertEqual(self.message_boxes(), [])
        self.assertEqual(self.written_items(bar), [self.ITEMS[0], self.ITEMS[2], self.ITEMS[3]])

    def test_with_confirmation_a_drag_off_asks_and_cancel_keeps_the_item(self):
        bar = self.start_with(self.ITEMS, {CONFIRM_DELETE: 1})
        x, y = self.cell_center(1)
        self.move(x, y)
        self.session.xdotool("mousedown", 1)
        try:
            # A step inside the cell first: the drag counts from a move over it.
            self.move(x, y + 4)
            self.move(x, self.bar_rect()[3] + 150)
            box = self.wait_for(self.message_boxes, message="the question")[0]
        finally:
            self.session.xdotool("mouseup", 1)
        self.assertEqual(self.box_text(box),
                         ("Confirm", ['Do you want delete this icon "second" ?']))
        self.click_button(box, "cancel")
        self.wait_for(lambda: not self.message_boxes(), message="the question to close")
        self.assertEqual(self.written_items(bar), self.ITEMS)


class PagingTests(UsingTheBarTestCase):
    # Three cells shown of eight; each window of three reads differently.
    ITEMS = [SEPARATOR, SEPARATOR, URL, SEPARATOR, URL, URL, SEPARATOR, URL]

    def shown(self, shot, looks):
        """The kinds the three visible cells show, by comparing with `looks`."""
        kinds = []
        for index in range(3):
            pixels = self.icon_pixels(shot, index)
            kinds.append(next((kind for kind, look in looks.items() if look == pixels), "?"))
        return kinds

    def test_forward_button_and_page_down_move_the_window_of_cells(self):
        self.start_with(self.ITEMS, {VISIBLE_ICON_COUNT: 3})
        first = self.screenshot()
        looks = {"separator": self.icon_pixels(first, 0), "url": self.icon_pixels(first, 2)}
        self.assertNotEqual(looks["separator"], looks["url"])
        self.assertEqual(self.shown(first, looks), ["separator", "separator", "url"])

        # A click on a separator gives the bar the keyboard and launches nothing.
        self.click(*self.cell_center(0))
        self.click(*self.forward_button())
        # Cells 2 to 4: the old last cell is now the first.
        self.wait_for(lambda: self.shown(self.screenshot(), looks) == ["url", "separator", "url"],
                      timeout=5, message="the forward button to page")
        self.key("Next")
        self.wait_for(lambda: self.shown(self.screenshot(), looks) == ["url", "url", "separator"],
                      timeout=5, message="Page Down to page")
        self.assertEqual(self.message_boxes(), [])


class MenuCommandTests(UsingTheBarTestCase):
    ITEMS = [missing("first"), missing("second"), missing("third")]

    def test_added_urls_and_separator_go_in_before_the_cell_under_the_pointer(self):
        # Words in front of the URL do not stop it and stay in the target.
        clip = "Docs: https://pellorinth.example/from-the-clipboard"
        self.probe("setclip", clip)
        # Room for the new cells, so each one can be pointed at.
        bar = self.start_with(self.ITEMS, {VISIBLE_ICON_COUNT: 6})
        self.choose(1, "Add Item", "URL from buffer")
        # first, clip, second, third
        self.choose(3, "Add Item", "URL")
        self.wait_for(lambda: self.dialogs("Add URL adress"), message="the input box")
        self.type_text(URL)
        self.key("Return")
        self.wait_for(lambda: not self.dialogs("Add URL adress"), message="the box to close")
        # first, clip, second, URL, third
        self.choose(0, "Add Item", "Separator")
        self.assertEqual(self.written_items(bar), [SEPARATOR, self.ITEMS[0], clip, self.ITEMS[1],
                                                   URL, self.ITEMS[2]])

    def test_lock_icons_and_auto_hide_from_the_menu_are_written_at_close(self):
        bar = self.start_with(self.ITEMS)
        self.choose(0, "Lock Icons")
        self.choose(0, "AutoHide")
        prefs = self.written_prefs(bar)
        self.assertEqual((prefs[AUTO_HIDE], prefs[FIXED_ICONS]), ("1", "1"))
