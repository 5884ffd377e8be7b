"""The bar reacting to the pointer and to the desktop in the real program: the
floating name of the pointed item, fading out and coming back with auto-hide,
and files dropped on it from a file manager over XDND."""

import os

from harness import BarTestCase
from test_datafile import UTF8_BOM, section
from test_placement_paint import data_file
from test_using_the_bar import missing

CELL = 36
SCROLL_PANEL = 20
AWAY = (640, 500)
YELLOW = (255, 255, 0)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
HINT_KEY = (25, 25, 25)
FULL_SCREEN = (0, 0, 1280, 1024)
FADE = [220, 190, 150, 80]
WS_EX_TOPMOST = 0x8
WS_EX_TOOLWINDOW = 0x80
WS_EX_APPWINDOW = 0x40000


class LivingBarTestCase(BarTestCase):
    """A row bar on the top edge; cells are found from its client area, which
    starts with the back scroll panel."""

    def start_on_top(self, items, **prefs):
        prefs.setdefault("VisibleIconCount", len(items))
        bar = self.start_bar(data_file(items, **prefs))
        self.client = tuple(int(v) for v in self.probe("client", self.bar_hwnd()).split())
        return bar

    def cell_center(self, index):
        left, top = self.client[:2]
        return left + SCROLL_PANEL + CELL * index + CELL // 2, top + CELL // 2


class HintTests(LivingBarTestCase):
    def assert_hint_under_cell(self, index, rect):
        left, top, right, bottom = rect
        self.assertEqual(top, self.bar_rect()[3], "the hint is not right under the bar")
        middle = self.cell_center(index)[0]
        self.assertLessEqual(abs((left + right) / 2 - middle), 1,
                             "hint %s is not centred on cell %d (x %d)" % (rect, index, middle))

    def test_the_pointed_item_name_floats_under_its_cell_and_follows_the_pointer(self):
        self.move(*AWAY)
        self.start_on_top([missing("ab"), missing("cd"), missing("a-much-longer-item-name")],
                          ShowHints=1)
        self.assertFalse(self.hint_visible(), "a hint shows with the pointer off the bar")
        # A white window under the hints: where the key colour is cut out it shows through.
        bottom = self.bar_rect()[3]
        self.make_window("PelUnderHint", "under the hint", (0, bottom, 1280, bottom + 100))

        self.move(*self.cell_center(1))
        self.wait_for(self.hint_visible, timeout=1.5, message="the hint of cell 1")
        short = self.hint_rect()
        self.assert_hint_under_cell(1, short)
        width, height = short[2] - short[0], short[3] - short[1]
        self.assertTrue(6 < width < 80 and 10 < height < 60, "hint of 'cd' is %s" % (short,))

        self.move(*self.cell_center(2))
        self.wait_for(lambda: self.hint_rect() != short, timeout=1.5,
                      message="the hint to move to cell 2")
        long = self.hint_rect()
        self.assert_hint_under_cell(2, long)
        self.assertGreater(long[2] - long[0], width + 60, "the longer name's hint is no wider")
        self.assertEqual(long[3] - long[1], height)
        self.assertTrue(self.hint_visible())
        colours = self.screenshot().colors_in(long)
        self.assertGreater(colours.get(YELLOW, 0), 50, "no yellow outline: %s" % colours)
        self.assertGreater(colours.get(BLACK, 0), 50, "no black letters: %s" % colours)
        self.assertGreater(colours.get(WHITE, 0), 50, "nothing shows through: %s" % colours)
        self.assertNotIn(HINT_KEY, colours, "the key colour is drawn: %s" % colours)

        self.move(*AWAY)
        self.wait_for(lambda: not self.hint_visible(), timeout=1.5,
                      message="the hint to hide once the pointer left the bar")


class AutoHideTests(LivingBarTestCase):
    def test_leaving_fades_the_bar_out_tick_by_tick_and_its_screen_edge_calls_it_back(self):
        # Started under the pointer, so the bar stays until the pointer leaves.
        self.move(640, 10)
        self.start_on_top([missing("a"), missing("b"), missing("c")], AutoHide=1)
        left = self.bar_rect()[0]

        changes = self.watch_alpha(1000, then=lambda: self.move(*AWAY))
        hidden = next((i for i, change in enumerate(changes) if not change[2]), None)
        self.assertIsNotNone(hidden, "the bar did not hide: %s" % changes)
        self.assertEqual([alpha for _, alpha, _ in changes[:hidden]], [255] + FADE,
                         "alpha while shown: %s" % changes)
        self.assertTrue(all(not visible for _, _, visible in changes[hidden:]), changes)
        # One 100 ms tick per step: not all at once, not at another pace.
        times = [ms for ms, _, _ in changes[1:hidden + 1]]
        gaps = [b - a for a, b in zip(times, times[1:])]
        self.assertTrue(all(40 <= gap <= 250 for gap in gaps), "steps %s ms apart" % gaps)
        self.assertTrue(70 <= sum(gaps) / len(gaps) <= 140, "steps %s ms apart" % gaps)

        # Wine without a window manager holds the hide of a window that was
        # once active for 2 s, waiting for X to report it withdrawn: only then
        # does the bar take its full opacity back and heed the pointer again.
        self.wait_for(lambda: self.bar_alpha() == 255, timeout=5,
                      message="the hidden bar to take its full opacity back")
        self.assertFalse(self.bar_visible())

        # Beside the bar's span the edge does nothing; within it the bar returns whole.
        stay = self.watch_alpha(500, then=lambda: self.move(left - 1, 0))
        self.assertTrue(all(not visible for _, _, visible in stay), stay)
        self.move(left + 5, 0)
        self.wait_for(self.bar_visible, timeout=1.5, message="the bar to come back")
        self.assertEqual(self.bar_alpha(), 255)

        # No task-bar button: the bar is an unowned tool window, and so is any
        # other window of its program that shows, unless a window owns it.
        hwnd = self.bar_hwnd()
        _, ex_style, owner = self.window_style(hwnd)
        self.assertEqual((ex_style & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW), owner),
                         (WS_EX_TOOLWINDOW, 0))
        windows = self.windows()
        pid = next(w["pid"] for w in windows if w["hwnd"] == hwnd)
        for window in (w for w in windows if w["pid"] == pid and w["visible"]):
            _, ex_style, owner = self.window_style(window["hwnd"])
            self.assertTrue(ex_style & WS_EX_TOOLWINDOW and not ex_style & WS_EX_APPWINDOW or
                            owner, "%s would get a task-bar button" % (window,))


class FullScreenTests(LivingBarTestCase):
    """Another program's window filling the screen from the foreground, as a
    film or a game does: the bar keeps out of its way until it goes."""

    def film_in_front(self):
        film = self.make_window("PelFilm", "full screen", FULL_SCREEN, front=True)
        self.wait_for(lambda: self.probe("foreground") == str(film), timeout=5,
                      message="the full-screen window to come to the front")
        return film

    def test_with_auto_hide_the_screen_edge_calls_nothing_until_it_goes(self):
        self.move(*AWAY)
        self.start_on_top([missing("a"), missing("b"), missing("c")], AutoHide=1)
        hwnd = self.bar_hwnd()
        self.wait_for(lambda: not self.bar_visible(hwnd) and self.bar_alpha() == 255, timeout=6,
                      message="the bar to hide")
        edge = (self.bar_rect(hwnd)[0] + 5, 0)
        film = self.film_in_front()
        stay = self.watch_alpha(700, then=lambda: self.move(*edge))
        self.assertTrue(all(not visible for _, _, visible in stay), stay)
        self.probe("close", film)
        self.wait_for(lambda: self.bar_visible(hwnd), timeout=3,
                      message="the edge to call the bar back once the window is gone")

    def test_without_auto_hide_the_bar_stays_below_it_until_it_goes(self):
        self.move(*AWAY)
        self.start_on_top([missing("a")])
        hwnd = self.bar_hwnd()

        def topmost():
            return bool(self.window_style(hwnd)[1] & WS_EX_TOPMOST)

        self.assertTrue(topmost())
        film = self.film_in_front()
        self.wait_for(lambda: not topmost(), timeout=3, message="the bar to leave the top")
        self.assertTrue(self.bar_visible(hwnd))
        self.probe("close", film)
        self.wait_for(topmost, timeout=3, message="the bar on top again once the window is gone")


class DropTests(LivingBarTestCase):
    def test_files_dropped_on_a_cell_go_before_it_and_beside_the_cells_go_last(self):
        items = [missing(name) for name in ("one", "two", "three", "four", "five")]
        folder = os.path.join(self.new_folder(), "dropped")
        os.makedirs(folder)
        paths = [os.path.join(folder, name)
                 for name in ("first.txt", "second.txt", "third.txt", "Отчёт.txt")]
        for path in paths:
            with open(path, "w") as f:
                f.write("dropped\n")
        # Room for empty cells past the last item: a drop there is beside the cells.
        bar = self.start_on_top(items, VisibleIconCount=9)

        self.drop_files(*self.cell_center(1), paths[:3])
        self.drop_files(*self.cell_center(8), paths[3:])
        self.probe("close", self.bar_hwnd())
        self.assertEqual(self.wait_exit(bar), 0, "the bar did not end")
        written = self.read_data_file(bar, raw=True)
        self.assertTrue(written.startswith(UTF8_BOM), written[:16])
        dropped = [self.winpath(path) for path in paths]
        self.assertEqual(section(written[len(UTF8_BOM):].decode("utf-8"), "[PATH]"),
                         [items[0], dropped[2], dropped[1], dropped[0]] + items[1:] +
                         [dropped[3]])
