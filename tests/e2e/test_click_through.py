"""Clicks on the widget reach the window beneath it."""

import pathlib
import time
import unittest

import harness


class ClickThroughTest(harness.WidgetTestCase):

    def test_click_on_widget_reaches_window_beneath(self):
        left, top, width, height = self.widget.rect()
        log = pathlib.Path(self.widget.screen.shots_dir) / f"{self.widget.name}-clicks.txt"
        log.unlink(missing_ok=True)
        target_left, target_top = left - 40, 0
        target = self.widget.helper("click-target", "--rect",
                                    f"{target_left},{target_top},{width + 80},{height + 60}",
                                    "--log", str(log), "--bottom")
        order = [w["hwnd"] for w in self.widget.stack()]
        widget_hwnd = self.state["hwnd"]
        self.assertLess(order.index(widget_hwnd), order.index(target.info["hwnd"]),
                        "set-up: the widget must lie above the click target")
        self.shot("before-click")

        x, y = left + width // 2, top + height // 2
        self.widget.screen.click(x, y)
        clicks = harness.wait_until(lambda: log.exists() and log.read_text().split(), 3)
        self.assertTrue(clicks, "the window beneath the widget received no click")
        self.assertEqual(log.read_text().splitlines()[0], f"{x - target_left} {y - target_top}")
        time.sleep(0.3)
        self.assertTrue(self.widget.running(), "the click must not end the widget")
        self.assertEqual(self.widget.rect(), (left, top, width, height))


if __name__ == "__main__":
    unittest.main()
