"""The command line: the user's own date, title and place, lunar dates counted as
lunar-javascript counts them, the usage box and the refusals."""

import datetime
import os
import subprocess
import sys
import unittest

import harness
from harness import POSITION_ITEMS

BOX_TITLE = "Pellomi"
CAPTION_ID = 110
NAME_ID = 100
LONG_TITLE = "2027年全国普通高等学校招生统一考试"  # about twice as wide as the line at full size

sys.path.insert(0, os.path.join(os.environ["PELLOMI_SOURCE_DIR"], "tools"))
import npm_pinned  # noqa: E402

# The next day of a yearly lunar date from a given day, by lunar-javascript (which the program's
# table was made from, not the program itself).
NEXT_LUNAR_DAY = """
const [lunarJs, year, month, day, lunarMonth, lunarDay] = process.argv.slice(1);
const {Lunar, Solar} = require(lunarJs);
const today = Solar.fromYmd(+year, +month, +day);
const lunarYear = Lunar.fromSolar(today).getYear();
for (const y of [lunarYear, lunarYear + 1]) {
  const solar = Lunar.fromYmd(y, +lunarMonth, +lunarDay).getSolar();
  if (solar.isAfter(today) || solar.toYmd() === today.toYmd()) {
    console.log(solar.toYmd());
    break;
  }
}
"""


def next_lunar_day(today, lunar_month, lunar_day):
    folder = npm_pinned.install("lunar-javascript", os.path.join("lunar-javascript", "lunar.js"))
    module = os.path.join(folder, "node_modules", "lunar-javascript")
    out = subprocess.run(["node", "-e", NEXT_LUNAR_DAY, module, str(today.year), str(today.month),
                          str(today.day), str(lunar_month), str(lunar_day)],
                         check=True, capture_output=True, text=True).stdout
    return datetime.date.fromisoformat(out.strip())


class ArgumentsTest(unittest.TestCase):

    def setUp(self):
        self.widget = harness.Widget(f"{type(self).__name__}.{self._testMethodName}")
        self.addCleanup(self.widget.stop)

    def texts(self):
        return {child["id"]: child["text"] for child in self.widget.children()}

    def box(self, timeout=15):
        def visible_box():
            box = self.widget.probe.ask("message-box", "--title", BOX_TITLE)
            return box if box.get("found") and box.get("visible") else None

        box = harness.wait_until(visible_box, timeout)
        self.assertTrue(box, f"no message box titled {BOX_TITLE} within {timeout} s")
        return box

    def answer_box(self):
        self.assertTrue(self.widget.probe.ask("message-box", "--title", BOX_TITLE,
                                              "--press", "ok").get("pressed"))
        return self.widget.wait_exit(10)

    def test_target_and_title_set_the_two_lines(self):
        target = datetime.date.today() + datetime.timedelta(days=400)
        title = "我的 生日"
        self.widget.start("--target", f"{target.year}年{target.month}月{target.day}日",
                          "--title", title)
        expected = {harness.own_date_caption(self.widget.started_at.date(), target),
                    harness.own_date_caption(datetime.date.today(), target)}
        texts = self.texts()
        self.assertEqual(texts[NAME_ID], title)
        self.assertIn(texts[CAPTION_ID], expected)

    def test_bad_arguments_show_one_box_and_end_with_code_2(self):
        for args, named in ((["--target", "2027/13/01"], "2027/13/01"),
                            (["--title", "x", "--bogus"], "--bogus"),
                            (["--target", "农历2027年三月三十"], "农历2027年三月三十"),
                            (["--title", "第一行\n第二行"], "第一行"),
                            (["--position=中间"], "中间"),
                            (["--screen=abc"], "显示器编号（应为1至16）：abc"),
                            (["--size", "401%"], "401%"),
                            (["--fullscreen=always"], "always")):
            with self.subTest(args=args):
                self.widget.launch(*args)
                try:
                    box = self.box()
                    self.assertIn(named, box["texts"][0])
                    self.assertIn("--target", box["texts"][0], "the usage follows")
                    self.assertFalse(self.widget.state().get("found"), "no widget window")
                    self.assertIsNone(self.widget.screen.tray_geometry(), "no tray icon")
                    self.assertEqual(self.answer_box(), 2)
                finally:
                    if self.widget.running():  # so the next run meets no box of this one
                        self.widget.process.kill()
                        self.widget.process.wait()

    def test_a_place_of_its_own_and_a_long_title_drawn_whole(self):
        self.widget.start("--position", "右下角", f"--title={LONG_TITLE}")
        screen_width, screen_height = self.widget.screen_size()
        rect = (screen_width - harness.WINDOW_WIDTH - harness.MARGIN,
                screen_height - harness.WINDOW_HEIGHT - harness.MARGIN,
                harness.WINDOW_WIDTH, harness.WINDOW_HEIGHT)
        self.assertEqual(self.widget.rect(), rect, "started at the bottom right")
        self.assertEqual(self.texts()[NAME_ID], LONG_TITLE)

        shot = self.widget.screen.screenshot(f"{self.widget.name}-window")
        left, top, width, height = rect
        self.widget.screen.crop(shot, (left - 10, top - 10, width + 20, height + 20),
                                f"{self.widget.name}-crop")
        # The title's band, above the count: its red ink stays clear of the window's edges
        # (a title cut off at both ends touches them) and spans most of the line.
        band = self.widget.screen.pixels(shot, (left, top + 4, width, 40))
        red = [(x, y) for y, row in enumerate(band) for x, (r, g, b) in enumerate(row)
               if r >= 120 and g * 2 < r and b * 2 < r]
        self.assertTrue(red, f"no title drawn: {shot}")
        xs = [x for x, _ in red]
        ys = [y for _, y in red]
        self.assertGreater(min(xs), 2, f"the title touches the left edge: {shot}")
        self.assertLess(max(xs), width - 3, f"the title touches the right edge: {shot}")
        self.assertGreater(max(xs) - min(xs), width * 3 // 4, f"the title is not one line: {shot}")
        self.assertLess(max(ys) - min(ys), 25, f"the title is not drawn smaller: {shot}")

        # The menu's check mark is on 右下角, where the widget started.
        menus = self.widget.open_position_menu()
        shot = self.widget.screen.screenshot(f"{self.widget.name}-menu")
        self.assertEqual(self.widget.checked_rows(shot, menus[1], len(POSITION_ITEMS)),
                         [POSITION_ITEMS.index("右下角")], f"only 右下角 is checked: {shot}")
        self.widget.screen.keys("Escape", "Escape")

    def test_help_shows_the_usage_and_ends_with_code_0(self):
        self.widget.launch("--help")
        usage = self.box()["texts"][0]
        for option in ("--target", "--title", "--screen", "--size", "--fullscreen", "--startup",
                       "-h", "/?"):
            self.assertIn(option, usage)
        self.assertEqual(self.answer_box(), 0)

    def test_lunar_dates_count_to_their_next_day(self):
        for args, lunar_month, lunar_day, title in ((["--target", "春节"], 1, 1, "Pellomi"),
                                                    (["--target", "农历八月十五", "--title", "中秋"],
                                                     8, 15, "中秋")):
            with self.subTest(args=args):
                self.widget.start(*args)
                days = (self.widget.started_at.date(), datetime.date.today())
                expected = {harness.own_date_caption(day, next_lunar_day(day, lunar_month,
                                                                         lunar_day))
                            for day in days}
                texts = self.texts()
                self.assertIn(texts[CAPTION_ID], expected)
                self.assertEqual(texts[NAME_ID], title)
                self.widget.close_program()


if __name__ == "__main__":
    unittest.main()
