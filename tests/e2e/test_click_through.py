"""Clicks on the widget reach the window beneath it."""

import pathlib
import time
import unittest

import harness

TARGET_GREEN = (0, 160, 0)


class ClickThroughTest(harness.WidgetTestCase):

    def before_start(self):
        # Opened before the widget, so that the widget's window is stacked above it.
        screen_width, _ = self.widget.screen_size()
        self.target_left = (screen_width - harness.WINDOW_WIDTH) // 2 - 40
        self.target_top = 0
        self.log = pathlib.Path(self.widget.screen.shots_dir) / f"{self.widget.name}-clicks.txt"
        self.log.unlink(missing_ok=True)
        self.target = self.widget.helper(
            "click-target", "--rect",
            f"{self.target_left},{self.target_top},{harness.WINDOW_WIDTH + 80},"
            f"{harness.WINDOW_HEIGHT + 60}", "--log", str(self.log))

    def test_click_on_widget_reaches_window_beneath(self):
        left, top, width, height = self.widget.rect()
        shot = self.shot("before-click")
        self.assertNotEqual(self.widget.screen.pixel(shot, left + 8, top + height // 2),
                            TARGET_GREEN, f"set-up: the widget must lie above the target: {shot}")
        self.assertEqual(self.widget.screen.pixel(shot, left + 1, top + 1), TARGET_GREEN,
                         f"set-up: the target shows through the widget's cut corner: {shot}")

        x, y = left + width // 2, top + height // 2
        self.widget.screen.click(x, y)
        clicks = harness.wait_until(lambda: self.log.exists() and self.log.read_text().split(), 3)
        self.assertTrue(clicks, "the window beneath the widget received no click")
        self.assertEqual(self.log.read_text().splitlines()[0],
                         f"{x - self.target_left} {y - self.target_top}")
        time.sleep(0.3)
        self.assertTrue(self.widget.running(), "the click must not end the widget")
        self.assertEqual(self.widget.rect(), (left, top, width, height))


if __name__ == "__main__":
    unittest.main()
