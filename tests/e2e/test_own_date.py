"""The user's own date and title from the command line, its refusals, and a count that turns over
at local midnight while the widget runs."""

import datetime
import time
import unittest

import harness
from harness import MENU_POSITION, POSITION_ITEMS, TITLE

BOX_TITLE = "Pellomi"
CAPTION_ID = 110
NAME_ID = 100
FAKETIME_LIBRARY = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"
LONG_TITLE = "2027年全国普通高等学校招生统一考试"  # about twice as wide as the line at full size


class OwnDateTest(unittest.TestCase):

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
        midnight = datetime.datetime.combine(target, datetime.time())
        expected = {harness.expected_caption(self.widget.started_at, midnight),
                    harness.expected_caption(datetime.datetime.now(), midnight)}
        texts = self.texts()
        self.assertEqual(texts[NAME_ID], title)
        self.assertIn(texts[CAPTION_ID], expected)

    def test_bad_arguments_show_one_box_and_end_with_code_2(self):
        for args, named in ((["--target", "2027/13/01"], "2027/13/01"),
                            (["--title", "x", "--bogus"], "--bogus"),
                            (["--title", "第一行\n第二行"], "第一行"),
                            (["--position=中间"], "中间")):
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
        self.widget.open_menu("right")
        self.widget.screen.keys(*["Down"] * MENU_POSITION, "Right")
        menus = harness.wait_until(lambda: len(self.widget.open_menus()) == 2 and
                                   self.widget.open_menus(), 3)
        self.assertTrue(menus, "位置 opened no sub-menu")
        shot = self.widget.screen.screenshot(f"{self.widget.name}-menu")
        self.assertEqual(self.widget.checked_rows(shot, menus[1], len(POSITION_ITEMS)),
                         [POSITION_ITEMS.index("右下角")], f"only 右下角 is checked: {shot}")
        self.widget.screen.keys("Escape", "Escape")

    def test_help_shows_the_usage_and_ends_with_code_0(self):
        self.widget.launch("--help")
        usage = self.box()["texts"][0]
        for option in ("--target", "--title", "-h", "/?"):
            self.assertIn(option, usage)
        self.assertEqual(self.answer_box(), 0)

    def test_the_count_turns_over_at_local_midnight(self):
        # The program alone runs on a clock started ten seconds before a Los Angeles midnight
        # (a zone that the C runtime cannot read); 2025-03-10 is 10 days before the target.
        launched = time.monotonic()
        self.widget.start("--target", "2025/03/20", env={
            "TZ": "America/Los_Angeles",
            "LD_PRELOAD": FAKETIME_LIBRARY,
            "FAKETIME": "@2025-03-09 23:59:50",
            "FAKETIME_DONT_FAKE_MONOTONIC": "1",
        })
        self.assertEqual(self.texts()[CAPTION_ID], "还有10天")
        changed = harness.wait_until(lambda: self.texts()[CAPTION_ID] != "还有10天", 25)
        turned = time.monotonic() - launched
        self.assertTrue(changed, "the caption did not change after midnight")
        self.assertEqual(self.texts()[CAPTION_ID], "还有9天")
        # 00:00:01 comes 11 s after the faked start (the program starts a little later still).
        self.assertGreaterEqual(turned, 10.5)
        self.assertLess(turned, 16)


if __name__ == "__main__":
    unittest.main()
