"""What the user sees after starting the widget: place, shape, transparency, texts, tray icon."""

import unittest

import harness
from harness import TITLE, WINDOW_HEIGHT, WINDOW_WIDTH


class StartTest(harness.WidgetTestCase):

    def test_window_is_borderless_owned_and_at_top_center(self):
        state = self.state
        screen_width, _ = self.widget.screen_size()
        left, top, width, height = self.widget.rect(state)
        self.assertEqual(state["title"], TITLE)
        self.assertEqual((width, height), (WINDOW_WIDTH, WINDOW_HEIGHT), state)
        self.assertEqual((left, top), ((screen_width - WINDOW_WIDTH) // 2, harness.MARGIN),
                         "the first visible position must be the top center")
        self.assertEqual(state["style"] & (harness.WS_CAPTION | harness.WS_THICKFRAME
                                           | harness.WS_SYSMENU), 0, "no caption or frame")
        # No caption, frame or menu bar: client area and window coincide.
        self.assertEqual(state["client"], [0, 0, WINDOW_WIDTH, WINDOW_HEIGHT], state)
        self.assertNotEqual(state["owner"], 0, "an owned window gets no taskbar button")
        self.assertFalse(state["owner_visible"], "the owner window stays hidden")
        self.assertFalse(state["topmost"], "the widget starts not topmost")
        self.assertFalse(state["iconic"])

    def test_window_is_layered_click_through_and_rounded(self):
        state = self.state
        exstyle = state["exstyle"]
        self.assertEqual(exstyle & harness.WS_EX_LAYERED, harness.WS_EX_LAYERED, hex(exstyle))
        self.assertEqual(exstyle & harness.WS_EX_TRANSPARENT, harness.WS_EX_TRANSPARENT,
                         hex(exstyle))
        layered = state["layered"]
        self.assertTrue(layered["ok"], layered)
        self.assertEqual(layered["alpha"], harness.START_ALPHA, layered)
        self.assertEqual(layered["flags"], 2, "alpha only, no colour key")
        region = state["region"]
        self.assertIn(region["type"], (2, 3), f"the window has no region: {region}")
        self.assertEqual(region["corners"], [False] * 4, "rounded corners are cut away")
        self.assertTrue(region["center"], region)

    def test_children_are_two_labels_and_a_hidden_timer(self):
        children = self.widget.children()
        by_id = {child["id"]: child for child in children}
        self.assertEqual(sorted(by_id), [100, 110, 120], children)
        name, caption, timer = by_id[100], by_id[110], by_id[120]
        self.assertEqual(name["text"], "Pellomi")
        # The count was computed at start; the start lies between these two readings.
        expected = {harness.expected_caption(self.widget.started_at),
                    harness.expected_caption(harness.datetime.datetime.now())}
        self.assertIn(caption["text"], expected)
        self.assertTrue(name["visible"] and caption["visible"])
        self.assertFalse(timer["visible"], "the timer unit is an invisible child")
        self.assertEqual(name["rect"], [-14, -16, 314, 72])
        self.assertEqual(caption["rect"], [-30, 40, 330, 104])
        # Stacking follows the template: timer on top, then the caption, the name at the bottom.
        self.assertEqual([child["id"] for child in children], [120, 110, 100])

    def test_screenshot_shows_red_text_on_rounded_window(self):
        left, top, width, height = self.widget.rect()
        shot = self.shot("window")
        self.widget.screen.crop(shot, (left - 10, top - 10, width + 20, height + 20),
                                "start-window")
        rows = self.widget.screen.pixels(shot, (left, top, width, height))

        def is_red(pixel):
            r, g, b = pixel
            return r >= 120 and g * 2 < r and b * 2 < r

        name_band = sum(is_red(p) for row in rows[5:55] for p in row)
        caption_band = sum(is_red(p) for row in rows[60:115] for p in row)
        self.assertGreater(name_band, 200, f"no red 'Pellomi' text drawn: {shot}")
        self.assertGreater(caption_band, 300, f"no red countdown text drawn: {shot}")
        desktop = self.widget.screen.pixel(shot, left - 5, top + height // 2)
        corners = [rows[0][0], rows[0][width - 1], rows[height - 1][0],
                   rows[height - 1][width - 1]]
        self.assertEqual(corners, [desktop] * 4, f"corners must show the desktop: {shot}")
        self.assertNotEqual(rows[height // 2][8], desktop, f"the window body is drawn: {shot}")

    def test_tray_icon_shows_the_hourglass(self):
        x, y = self.widget.tray_icon_point()
        shot = self.shot("tray")
        self.widget.screen.crop(shot, (x - 12, y - 12, 24, 24), "start-tray-icon")
        slot = self.widget.screen.pixels(shot, (x - 8, y - 8, 16, 16))
        yellow = sum(1 for row in slot for r, g, b in row if r > 170 and g > 120 and b < 110)
        self.assertGreater(yellow, 3, f"no yellow sand of the hourglass in the tray icon: {shot}")


if __name__ == "__main__":
    unittest.main()
