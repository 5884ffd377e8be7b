"""Where the real bar lands on the screen and what its cells and buttons show."""

import time

from harness import BarTestCase, stop_process

CELL = 36
ICON = 32
ICON_MARGIN = 2
PANEL = 20
VISIBLE = 5
NOTEPAD = r"C:\windows\notepad.exe"

TOP, BOTTOM, LEFT, RIGHT = range(4)

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)

# The 23 preference lines in file order with quiet values for these tests: no
# auto-hide, no hints and no hover scrolling, so the pointer changes nothing
# but the current cell.
PREFERENCES = [
    ("AutoHide", "0"),
    ("FixedIcons", "0"),
    ("BackgroundColor", "clBtnFace"),
    ("HintOutlineColor", "clYellow"),
    ("HintFontName", "Arial Narrow"),
    ("HintFontSize", "16"),
    ("HintFontStyle", "1"),
    ("HintFontColor", "clBlack"),
    ("ShowHints", "0"),
    ("ScrollButtonPosition", "0"),
    ("HoverScroll", "0"),
    ("VisibleIconCount", str(VISIBLE)),
    ("ScreenPosition", "0"),
    ("GradientBackground", "0"),
    ("GradientStartColor", "clSilver"),
    ("GradientEndColor", "clWhite"),
    ("AddToEnd", "0"),
    ("DeleteWithMouse", "1"),
    ("ConfirmDelete", "0"),
    ("MonitorIndex", "0"),
    ("OffsetX", "0"),
    ("OffsetY", "0"),
    ("LanguageIndex", "1"),
]


def data_file(targets, icons=None, **prefs):
    """The lines of a data file; an empty target is a separator."""
    known = dict(PREFERENCES)
    unknown = set(prefs) - set(known)
    if unknown:
        raise KeyError("no preference line named %s" % ", ".join(sorted(unknown)))
    values = [str(prefs.get(name, default)) for name, default in PREFERENCES]
    icons = list(icons) if icons is not None else [""] * len(targets)
    return (["[PATH]"] + list(targets) + ["[~]", "[ICON]"] + icons + ["[~]", "[PREF]"] +
            values + ["[~]"])


def truncate_div(a, b):
    """Integer division rounding toward zero, as the program's arithmetic does."""
    q = abs(a) // abs(b)
    return q if (a < 0) == (b < 0) else -q


def mul_div(a, b, c):
    """a * b / c rounded to the nearest integer, halves away from zero."""
    q = (abs(a * b) * 2 + abs(c)) // (2 * abs(c))
    return q if (a * b < 0) == (c < 0) else -q


def gradient_line(i, start, end, lines=CELL):
    """(r, g, b) of line i of the cell gradient from `start` to `end` (0x00BBGGRR)."""
    def channel(shift):
        s, e = start >> shift & 0xFF, end >> shift & 0xFF
        return (s + mul_div(i, e - s, lines - 1)) & 0xFF
    return channel(0), channel(8), channel(16)


def expected_place(edge, area, width, height, dx, dy):
    """(left, top) of a bar of outer size width x height on `edge` of the work area."""
    a_left, a_top, a_right, a_bottom = area
    centred_left = a_left + truncate_div(a_right - a_left - width, 2)
    centred_top = a_top + truncate_div(a_bottom - a_top - height, 2)
    left, top = {
        TOP: (centred_left, a_top),
        BOTTOM: (centred_left, a_bottom - height),
        LEFT: (a_left, centred_top),
        RIGHT: (a_right - width, centred_top),
    }[edge]
    return left + dx, top + dy


def row_separator_pixels():
    """{(x, y): colour} of the row separator's opaque pixels in its 32 x 32 picture."""
    pixels = {}
    for j in range(8):
        for row in (4 * j + 1, 4 * j + 2):
            pixels[(14, row)] = pixels[(15, row)] = BLACK
            pixels[(16, row)] = WHITE
        for col in (14, 15, 16):
            pixels[(col, 4 * j + 3)] = WHITE
    return pixels


def column_separator_pixels():
    pixels = {}
    for j in range(8):
        for col in (4 * j + 1, 4 * j + 2, 4 * j + 3):
            pixels[(col, 15)] = WHITE
        for row in (16, 17):
            pixels[(4 * j + 1, row)] = pixels[(4 * j + 2, row)] = BLACK
            pixels[(4 * j + 3, row)] = WHITE
    return pixels


def triangle_pixels(direction):
    """The black pixels of a 16 x 16 scroll glyph: base on line 7 across rows
    (or columns) 4..10, tip three pixels away in `direction`."""
    pixels = set()
    for step in range(4):
        for across in range(7 - (3 - step), 7 + (3 - step) + 1):
            if direction == "left":
                pixels.add((7 - step, across))
            elif direction == "right":
                pixels.add((7 + step, across))
            elif direction == "up":
                pixels.add((across, 7 - step))
            else:
                pixels.add((across, 7 + step))
    return pixels


class BarGeometry:
    """Screen rectangles of the parts of a started bar (scroll buttons at both ends)."""

    def __init__(self, client, horizontal):
        self.client = client
        self.horizontal = horizontal

    def along(self, start, length, thickness=CELL, across=0):
        left, top = self.client[0], self.client[1]
        if self.horizontal:
            return (left + start, top + across, left + start + length, top + across + thickness)
        return (left + across, top + start, left + across + thickness, top + start + length)

    def cell(self, i):
        return self.along(PANEL + i * CELL, CELL)

    def back_panel(self):
        return self.along(0, PANEL)

    def forward_panel(self):
        return self.along(PANEL + VISIBLE * CELL, PANEL)

    def glyph_origin(self, panel):
        # The 16 x 16 glyph is centred on the button, which is inset 2 pixels
        # and 16 x 32 (row) or 32 x 16 (column).
        if self.horizontal:
            return panel[0] + 2, panel[1] + 2 + (32 - 16) // 2
        return panel[0] + 2 + (32 - 16) // 2, panel[1] + 2


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


def border(rect):
    """The pixels on the inner edge of a rectangle, clockwise from the top left."""
    left, top, right, bottom = rect
    points = [(x, top) for x in range(left, right)]
    points += [(right - 1, y) for y in range(top + 1, bottom)]
    points += [(x, bottom - 1) for x in range(right - 2, left - 1, -1)]
    points += [(left, y) for y in range(bottom - 2, top, -1)]
    return points


class PaintTestCase(BarTestCase):
    """Starts a bar with the pointer well away from it and reads its screen."""

    def point_at(self, x, y):
        # xdotool's --sync waits about 15 s when the pointer is already at the
        # target, so move without it and ask Wine where the pointer is.
        target = "%d %d" % (x, y)
        if self.probe("cursor") != target:
            self.session.xdotool("mousemove", x, y)
            self.wait_for(lambda: self.probe("cursor") == target, timeout=5,
                          message="the pointer at " + target)

    def start_quiet_bar(self, targets, **prefs):
        # Near the middle of the screen: off a 5-cell bar on any edge.
        self.point_at(600, 500)
        self.start_bar(data_file(targets, **prefs))
        hwnd = self.bar_hwnd()
        client = tuple(int(v) for v in self.probe("client", hwnd).split())
        edge = int(prefs.get("ScreenPosition", 0))
        return BarGeometry(client, edge in (TOP, BOTTOM))

    def settled_shot(self, ready, timeout=10.0):
        """The first screenshot for which ready(shot) holds, or the last one
        taken in time, so that the caller's assertions tell what is wrong."""
        deadline = time.monotonic() + timeout
        while True:
            shot = self.screenshot()
            if ready(shot) or time.monotonic() >= deadline:
                return shot
            time.sleep(0.1)

    def assert_pixels(self, shot, expected, what):
        """expected: {(x, y): (r, g, b)} on the screen."""
        wrong = [(xy, shot.pixel(*xy), colour) for xy, colour in sorted(expected.items())
                 if shot.pixel(*xy) != colour]
        if wrong:
            self.fail("%s: %d of %d pixels differ; first (x, y), got, want: %s" % (
                what, len(wrong), len(expected), wrong[:6]))


class PlacementTests(PaintTestCase):
    def assert_placed(self, edge, dx, dy, monitor=0, visible=VISIBLE):
        bar = self.start_bar(data_file([NOTEPAD] * visible, ScreenPosition=edge, OffsetX=dx,
                                       OffsetY=dy, MonitorIndex=monitor,
                                       VisibleIconCount=visible))
        try:
            hwnd = self.bar_hwnd()
            rect = self.bar_rect(hwnd)
            client = tuple(int(v) for v in self.probe("client", hwnd).split())
        finally:
            # Ended, not closed: the next start must not find it, and nothing
            # here needs its data file.
            stop_process(bar.proc)
            self.wait_for(lambda: self.find_bar() is None, message="the bar to end")
        length = visible * CELL + 2 * PANEL
        client_size = (length, CELL) if edge in (TOP, BOTTOM) else (CELL, length)
        self.assertEqual((client[2] - client[0], client[3] - client[1]), client_size)
        width, height = rect[2] - rect[0], rect[3] - rect[1]
        self.assertGreaterEqual(width, client_size[0])
        self.assertGreaterEqual(height, client_size[1])
        area = self.work_area(0)
        self.assertEqual(rect[:2], expected_place(edge, area, width, height, dx, dy),
                         "edge %d, offsets (%d, %d), work area %s, outer %d x %d" % (
                             edge, dx, dy, area, width, height))

    def test_each_edge_with_offsets_inside_their_range(self):
        # Along the edge either way; away from it only inwards.
        for edge, dx, dy in [(TOP, 37, 3), (BOTTOM, -52, -4), (LEFT, 6, -41), (RIGHT, -7, 29)]:
            with self.subTest(edge=edge, dx=dx, dy=dy):
                self.assert_placed(edge, dx, dy)

    def test_bar_longer_than_the_screen_is_still_centred(self):
        # 40 cells are wider than the 1280-pixel screen: the free space is
        # negative and the bar overhangs both ends equally.
        self.assert_placed(TOP, 5, 0, visible=40)

    def test_monitor_index_naming_no_monitor_uses_monitor_0(self):
        status = self.session.probe("workarea", 3, check=False)[0]
        self.assertNotEqual(status, 0, "this display has a fourth monitor")
        self.assert_placed(BOTTOM, -15, -2, monitor=3)


class GradientTests(PaintTestCase):
    def assert_gradient_cells(self, edge, start, end, start_name, end_name):
        geometry = self.start_quiet_bar([NOTEPAD] * VISIBLE, ScreenPosition=edge,
                                        GradientBackground=1, GradientStartColor=start_name,
                                        GradientEndColor=end_name)
        horizontal = edge in (TOP, BOTTOM)
        expected = {}
        # Cell 0 is the current one and may carry the focus outline.
        for i in range(1, VISIBLE):
            left, top = geometry.cell(i)[:2]
            for y in range(CELL):
                for x in range(CELL):
                    in_margin = not (ICON_MARGIN <= x < ICON_MARGIN + ICON and
                                     ICON_MARGIN <= y < ICON_MARGIN + ICON)
                    if in_margin:
                        line = y if horizontal else x
                        expected[(left + x, top + y)] = gradient_line(line, start, end)
        last = geometry.cell(VISIBLE - 1)
        shot = self.settled_shot(lambda s: s.pixel(last[2] - 1, last[3] - 1) == expected[
            (last[2] - 1, last[3] - 1)])
        self.assert_pixels(shot, expected, "gradient around the icons")
        return shot, geometry

    def test_row_runs_from_top_to_bottom(self):
        shot, geometry = self.assert_gradient_cells(TOP, 0xC0C0C0, 0xFFFFFF, "clSilver", "clWhite")
        left, top = geometry.cell(2)[:2]
        self.assertEqual(shot.pixel(left + 1, top), (0xC0, 0xC0, 0xC0))
        self.assertEqual(shot.pixel(left + 1, top + 1), (0xC2, 0xC2, 0xC2))
        self.assertEqual(shot.pixel(left + 1, top + 35), (0xFF, 0xFF, 0xFF))

    def test_column_runs_from_left_to_right_per_channel(self):
        # Red falls while blue rises: each channel runs on its own.
        start, end = 0x1040F0, 0xE08020
        shot, geometry = self.assert_gradient_cells(LEFT, start, end, "$001040F0", "$00E08020")
        left, top = geometry.cell(3)[:2]
        self.assertEqual(shot.pixel(left, top + 1), (0xF0, 0x40, 0x10))
        self.assertEqual(shot.pixel(left + 35, top + 1), (0x20, 0x80, 0xE0))


class SeparatorTests(PaintTestCase):
    BACKGROUND = (0x00, 0x80, 0x80)  # $00808000: teal, neither black nor white

    def assert_separator(self, edge, definition):
        targets = [NOTEPAD, NOTEPAD, "", NOTEPAD, NOTEPAD]
        geometry = self.start_quiet_bar(targets, ScreenPosition=edge,
                                        BackgroundColor="$00808000")
        left, top = geometry.cell(2)[:2]
        expected = {}
        for y in range(CELL):
            for x in range(CELL):
                inside = (x - ICON_MARGIN, y - ICON_MARGIN)
                expected[(left + x, top + y)] = definition.get(inside, self.BACKGROUND)
        shot = self.settled_shot(lambda s: all(s.pixel(*xy) == c for xy, c in expected.items()
                                               if c != self.BACKGROUND))
        self.assert_pixels(shot, expected, "separator cell")

    def test_row_bar_shows_the_row_separator(self):
        self.assert_separator(TOP, row_separator_pixels())

    def test_column_bar_shows_the_column_separator(self):
        self.assert_separator(RIGHT, column_separator_pixels())


class FocusOutlineTests(PaintTestCase):
    BACKGROUND = (0x40, 0x80, 0xC0)  # $00C08040

    def outlined(self, shot, rect):
        """How many pixels on the rectangle's border differ from the background."""
        return sum(1 for xy in border(rect) if shot.pixel(*xy) != self.BACKGROUND)

    def test_outline_follows_the_pointer_to_the_current_cell(self):
        geometry = self.start_quiet_bar([NOTEPAD] * VISIBLE, BackgroundColor="$00C08040")
        old, new = geometry.cell(0), geometry.cell(3)
        shot = self.settled_shot(lambda s: self.outlined(s, old) > 0)
        self.assertGreater(self.outlined(shot, old), 0, "no outline on the first cell")
        self.assertEqual(self.outlined(shot, new), 0)

        self.point_at(*centre(new))
        shot = self.settled_shot(lambda s: self.outlined(s, new) > 0 and
                                 self.outlined(s, old) == 0)
        self.assertEqual(self.outlined(shot, old), 0, "the old cell kept its outline")
        # Dotted: about every other pixel of the border is changed, never all.
        changed = self.outlined(shot, new)
        perimeter = len(border(new))
        self.assertTrue(perimeter // 3 <= changed < perimeter,
                        "%d of %d border pixels changed" % (changed, perimeter))
        inside = (new[0] + 1, new[1] + 1, new[2] - 1, new[3] - 1)
        self.assertEqual(self.outlined(shot, inside), 0, "the outline is not on the border")
        for other in (1, 2, 4):
            self.assertEqual(self.outlined(shot, geometry.cell(other)), 0, "cell %d" % other)


class ScrollGlyphTests(PaintTestCase):
    def glyph_colours(self, shot, panel, geometry):
        x0, y0 = geometry.glyph_origin(panel)
        return {(x, y): shot.pixel(x0 + x, y0 + y) for y in range(16) for x in range(16)}

    def assert_black_triangle(self, shot, panel, geometry, direction, what):
        face = shot.pixel(panel[0], panel[1])
        colours = self.glyph_colours(shot, panel, geometry)
        black = triangle_pixels(direction)
        wrong = [(xy, colours[xy]) for xy in sorted(colours)
                 if colours[xy] != (BLACK if xy in black else face)]
        if wrong:
            self.fail("%s glyph: %d pixels differ from a black %s triangle on %s; first: %s" % (
                what, len(wrong), direction, face, wrong[:6]))

    def check_buttons(self, edge, back, forward):
        geometry = self.start_quiet_bar([NOTEPAD] * (2 * VISIBLE), ScreenPosition=edge)
        back_panel, forward_panel = geometry.back_panel(), geometry.forward_panel()
        tip = triangle_pixels(forward)
        x0, y0 = geometry.glyph_origin(forward_panel)
        shot = self.settled_shot(lambda s: all(s.pixel(x0 + x, y0 + y) == BLACK for x, y in tip))
        # More items than cells: forward works, back does not yet.
        self.assert_black_triangle(shot, forward_panel, geometry, forward, "forward")
        disabled = self.glyph_colours(shot, back_panel, geometry)
        self.assertNotIn(BLACK, disabled.values(), "the disabled back button looks enabled")

        self.point_at(*centre(forward_panel))
        self.session.xdotool("click", 1)
        x0, y0 = geometry.glyph_origin(back_panel)
        back_tip = triangle_pixels(back)
        shot = self.settled_shot(
            lambda s: all(s.pixel(x0 + x, y0 + y) == BLACK for x, y in back_tip))
        self.assert_black_triangle(shot, back_panel, geometry, back, "back")

    def test_row_buttons_point_left_and_right(self):
        self.check_buttons(BOTTOM, "left", "right")

    def test_column_buttons_point_up_and_down(self):
        self.check_buttons(LEFT, "up", "down")


class WorkAreaTests(PaintTestCase):
    def test_the_bar_follows_its_work_area_while_it_runs(self):
        edge, dx, dy = BOTTOM, -52, -4
        self.start_quiet_bar([NOTEPAD] * VISIBLE, ScreenPosition=edge, OffsetX=dx, OffsetY=dy)
        hwnd = self.bar_hwnd()
        left, top, right, bottom = self.bar_rect(hwnd)
        size = (right - left, bottom - top)
        full = self.work_area(0)
        self.assertEqual((left, top), expected_place(edge, full, *size, dx, dy))

        def placed_on(area):
            return lambda: self.bar_rect(hwnd)[:2] == expected_place(edge, area, *size, dx, dy)

        def work_area_is(area):
            return lambda: self.work_area(0) == area

        # A panel takes the bottom 40 pixels, as a desktop's task bar does:
        # X holds the new area, and Wine takes it up when the displays change.
        shrunk = full[:3] + (full[3] - 40,)
        before = self.session.x_work_area(shrunk)
        self.addCleanup(self.restore_work_area, before, full)
        self.probe("resetdisplay")
        self.wait_for(work_area_is(shrunk), timeout=5, message="Wine to take up the new work area")
        self.wait_for(placed_on(shrunk), timeout=5, message="the bar on the smaller work area")

        # Wine keeps SPI_SETWORKAREA to the process that calls it: no other
        # process sees it through SPI_GETWORKAREA or GetMonitorInfo, so the
        # broadcast cannot bring a new area here. A bar moved off its place
        # shows that the broadcast's WM_SETTINGCHANGE alone puts it back.
        self.probe("move", hwnd, 300, 500)
        self.wait_for(lambda: self.bar_rect(hwnd)[:2] == (300, 500), timeout=5,
                      message="the bar to be moved away")
        self.assertEqual(self.probe("spiworkarea", *shrunk), " ".join(map(str, shrunk)))
        self.wait_for(placed_on(shrunk), timeout=5, message="the bar back after the broadcast")

        self.restore_work_area(before, full)
        self.wait_for(placed_on(full), timeout=5, message="the bar on the whole work area again")

    def test_a_left_bar_beside_a_left_task_bar_comes_back_from_the_screen_edge(self):
        full = self.work_area(0)
        beside = (62,) + full[1:]
        before = self.session.x_work_area(beside)
        self.addCleanup(self.restore_work_area, before, full)
        self.probe("resetdisplay")
        self.wait_for(lambda: self.work_area(0) == beside, timeout=5,
                      message="Wine to take up the task bar on the left")
        self.start_quiet_bar([NOTEPAD] * VISIBLE, ScreenPosition=LEFT, AutoHide=1)
        hwnd = self.bar_hwnd()
        left, top, _, bottom = self.bar_rect(hwnd)
        self.assertEqual(left, 62)
        self.wait_for(lambda: not self.bar_visible(hwnd) and self.bar_alpha() == 255, timeout=6,
                      message="the bar to hide")
        # Pushed against the screen's edge, over the task bar.
        self.move(0, (top + bottom) // 2)
        self.wait_for(lambda: self.bar_visible(hwnd), timeout=3,
                      message="the screen edge to call the bar back")

    def restore_work_area(self, before, full):
        if self.work_area(0) == full:
            return
        self.session.x_work_area(before)
        self.probe("resetdisplay")
        self.wait_for(lambda: self.work_area(0) == full, timeout=5,
                      message="the work area to be whole again")
