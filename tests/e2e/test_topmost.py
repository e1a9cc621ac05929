"""Always-on-top: once chosen, the widget comes back above other topmost windows."""

import time
import unittest

import harness
from harness import MENU_WINDOW, WINDOW_ITEMS

SET_TOPMOST = WINDOW_ITEMS.index("置窗口最前") + 1
CANCEL_TOPMOST = WINDOW_ITEMS.index("取消窗口最前") + 1
COVER_BLUE = (0, 0, 255)


class TopmostTest(harness.WidgetTestCase):

    def cover_widget(self):
        left, top, width, height = self.widget.rect()
        return self.widget.helper("topmost-window", "--rect", f"{left},{top},{width},{height}")

    def widget_above(self, cover):
        return self.widget.above(self.state["hwnd"], cover.info["hwnd"])

    def test_set_topmost_comes_back_above_a_covering_window(self):
        self.widget.choose(MENU_WINDOW, SET_TOPMOST)
        state = self.widget.wait_for(lambda s: s["topmost"], 3, "topmost")
        self.assertTrue(state["topmost"], "置窗口最前 must make the window topmost")

        started = time.monotonic()
        cover = self.cover_widget()
        above = harness.wait_until(lambda: self.widget_above(cover), 3.0)
        elapsed = time.monotonic() - started
        self.assertTrue(above, "the widget stayed under another topmost window for 3 s")
        self.assertLess(elapsed, 2.5, "the widget must come back on top within about a second")
        left, top, _, height = self.widget.rect()
        shot = self.shot("above-cover")
        self.assertNotEqual(self.widget.screen.pixel(shot, left + 8, top + height // 2),
                            COVER_BLUE, f"on screen the cover still hides the widget: {shot}")

    def test_cancel_topmost_stops_coming_back(self):
        self.widget.choose(MENU_WINDOW, SET_TOPMOST)
        self.widget.wait_for(lambda s: s["topmost"], 3, "topmost")
        self.widget.choose(MENU_WINDOW, CANCEL_TOPMOST)
        state = self.widget.wait_for(lambda s: not s["topmost"], 3, "not topmost")
        self.assertFalse(state["topmost"], "取消窗口最前 must end always-on-top")

        cover = self.cover_widget()
        time.sleep(2.5)
        self.assertTrue(self.widget.above(cover.info["hwnd"], self.state["hwnd"]),
                        "the timer must stop re-asserting topmost")
        left, top, _, height = self.widget.rect()
        shot = self.shot("under-cover")
        self.assertEqual(self.widget.screen.pixel(shot, left + 8, top + height // 2), COVER_BLUE,
                         f"on screen the cover must hide the widget: {shot}")


if __name__ == "__main__":
    unittest.main()
