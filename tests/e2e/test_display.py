"""Display scaling and display modes: the widget sharp and in place at every scale and resolution.

Wine gives every program the DPI of the prefix's LogPixels value from the next server start on,
so each scale is one start. A change of display mode needs a Wine virtual desktop: an Xvfb
screen has only one mode.
"""

import unittest

import harness
from harness import TITLE, scale_to_dpi

NAME_LABEL = (-14, -16, 328, 88)     # template geometry of label 1 (title), 96-DPI units
CAPTION_LABEL = (-30, 40, 360, 64)   # label 2 (the count)
CORNER_INSET = 9  # inside the 50 x 50 rounding at 96 DPI, outside it once scaled to 144


def is_red(pixel):
    r, g, b = pixel
    return r >= 120 and g * 2 < r and b * 2 < r


def ink_boxes(rows):
    """(left, top, right, bottom) of the red ink of each band of rows separated by blank rows."""
    boxes, band = [], None
    for y, row in enumerate(rows + [[]]):
        xs = [x for x, p in enumerate(row) if is_red(p)]
        if xs:
            band = [min(xs), y, max(xs) + 1, y + 1] if band is None else [
                min(band[0], min(xs)), band[1], max(band[2], max(xs) + 1), y + 1]
        elif band is not None:
            boxes.append(tuple(band))
            band = None
    return boxes


def label_rect(geometry, dpi):
    left, top, width, height = (scale_to_dpi(v, dpi) for v in geometry)
    return [left, top, left + width, top + height]


class DisplayScaleTest(unittest.TestCase):
    """One start at 96 DPI and one at each of 120, 144 and 192, compared with each other."""

    def measure(self, dpi):
        widget = harness.Widget(f"{type(self).__name__}.dpi{dpi}")
        try:
            widget.start()
            state = widget.probe.ask("window", "--title", TITLE, "--inset", CORNER_INSET)
            children = {child["id"]: child for child in widget.children()}
            screen_width, _ = widget.screen_size()
            left, top, width, height = widget.rect(state)
            shot = widget.screen.screenshot(widget.name)
            widget.screen.crop(shot, (left - 10, top - 10, width + 20, height + 20),
                               f"{widget.name}-window")
            rows = widget.screen.pixels(shot, (left, top, width, height))
        finally:
            widget.stop()
        width96, height96 = scale_to_dpi(300, dpi), scale_to_dpi(120, dpi)
        self.assertEqual((left, top, width, height),
                         ((screen_width - width96) // 2, scale_to_dpi(harness.MARGIN, dpi),
                          width96, height96), f"window at {dpi} DPI: {state}")
        self.assertEqual(children[100]["rect"], label_rect(NAME_LABEL, dpi), dpi)
        self.assertEqual(children[110]["rect"], label_rect(CAPTION_LABEL, dpi), dpi)
        region = state["region"]
        self.assertEqual(region["corners"], [False] * 4, f"rounded at {dpi} DPI: {region}")
        self.assertTrue(region["center"], region)
        boxes = ink_boxes(rows)
        self.assertEqual(len(boxes), 2, f"two lines of red text at {dpi} DPI: {boxes}, {shot}")
        return {"inset": region["inset_corners"], "title": boxes[0], "caption": boxes[1],
                "shot": shot}

    def test_window_texts_and_corners_scale_with_the_dpi(self):
        seen = {96: self.measure(96)}
        self.assertEqual(seen[96]["inset"], [True] * 4, "9 px in lies inside 50 x 50 corners")
        try:
            for dpi in (120, 144, 192):
                harness.set_log_pixels(dpi)
                seen[dpi] = self.measure(dpi)
        finally:
            harness.set_log_pixels(96)  # the prefix keeps it: later tests must run at 96
        for dpi in (144, 192):
            self.assertEqual(seen[dpi]["inset"], [False] * 4, f"corners scale at {dpi} DPI")
        for dpi in (120, 144, 192):
            factor = dpi / 96
            for line in ("title", "caption"):
                l96, t96, r96, b96 = seen[96][line]
                l, t, r, b = seen[dpi][line]
                measured = {"height": b - t, "width": r - l, "top": t}
                expected = {"height": (b96 - t96) * factor, "width": (r96 - l96) * factor,
                            "top": t96 * factor}
                for what, value in measured.items():
                    self.assertLessEqual(
                        abs(value - expected[what]), 2 + 0.05 * expected[what],
                        f"{line} ink {what} at {dpi} DPI: {value}, expected about "
                        f"{expected[what]:.1f} ({seen[96][line]} at 96, {seen[dpi][line]}); "
                        f"{seen[dpi]['shot']}")


DESKTOP = "pellomi-modes"
POSITION_SUBMENU = harness.MENU_POSITION
BOTTOM_RIGHT = harness.POSITION_ITEMS.index("右下角") + 1
MINIMIZE_ID = 20001
SET_TOPMOST_ID = 20018


class DisplayModeTest(unittest.TestCase):
    """In a 1920 x 1080 virtual desktop, the resolution changed to 1280 x 720 and back."""

    def setUp(self):
        harness.run(["wineserver", "-k"], check=False)  # a desktop of its own, freshly sized
        harness.run(["wineserver", "-w"], check=False)
        self.widget = harness.Widget(f"{type(self).__name__}.{self._testMethodName}",
                                     harness.desktop_launcher(DESKTOP, 1920, 1080))
        self.addCleanup(self.end_desktop)
        self.widget.start()

    def end_desktop(self):
        self.widget.stop()
        harness.run(["wineserver", "-k"], check=False)
        harness.run(["wineserver", "-w"], check=False)

    def change_mode(self, width, height):
        answer = self.widget.probe.ask("display-mode", "--width", width, "--height", height)
        self.assertEqual(answer["result"], 0, f"ChangeDisplaySettingsW {width}x{height}: {answer}")
        self.assertEqual((answer["width"], answer["height"]), (width, height), answer)

    def wait_at(self, point, what):
        """point: (x, y), or a function giving it anew at each look."""
        where = point if callable(point) else lambda: point
        state = self.widget.wait_for(lambda s: tuple(s["rect"][:2]) == where(), 5, what)
        self.assertEqual(tuple(state["rect"][:2]), where(), f"{what}: {state}")
        self.assertEqual(self.widget.rect(state)[2:], (300, 120), "the size stays")
        return state

    def bottom_right(self):
        """The bottom-right preset within the work area as the system reports it now: this
        desktop has a taskbar, and Wine may keep a stale work area after a change of mode, which
        the widget takes as given (clipped to its monitor, the whole monitor when none is left)."""
        monitor = next(m for m in self.widget.probe.ask("screen")["monitor_list"] if m["primary"])
        left, top, right, bottom = monitor["rect"]
        w_left, w_top, w_right, w_bottom = monitor["work"]
        w_left, w_top = max(w_left, left), max(w_top, top)
        w_right, w_bottom = min(w_right, right), min(w_bottom, bottom)
        if w_left >= w_right or w_top >= w_bottom:
            w_right, w_bottom = right, bottom
        return w_right - 300 - 10, w_bottom - 120 - 10

    def tray_icon_point(self, screen_height):
        """The hourglass in the virtual desktop's taskbar: yellow sand at the bottom right."""
        shot = self.widget.screen.screenshot(f"{self.widget.name}-taskbar")
        strip = self.widget.screen.pixels(shot, (1920 - 200, screen_height - 30, 200, 30))
        sand = [(x, y) for y, row in enumerate(strip) for x, (r, g, b) in enumerate(row)
                if r > 170 and g > 120 and b < 110]
        self.assertTrue(sand, f"no hourglass in the desktop's taskbar: {shot}")
        x = sum(p[0] for p in sand) // len(sand)
        y = sum(p[1] for p in sand) // len(sand)
        return 1920 - 200 + x, screen_height - 30 + y

    def test_widget_keeps_its_preset_through_a_change_of_resolution(self):
        self.wait_at((810, 10), "top center at 1920 x 1080")
        self.change_mode(1280, 720)
        self.wait_at((490, 10), "top center of the 1280 x 720 screen")
        self.change_mode(1920, 1080)
        self.wait_at((810, 10), "top center again at 1920 x 1080")

        # A corner chosen from the tray menu in the desktop's own taskbar.
        x, y = self.tray_icon_point(1080)
        self.widget.screen.click(x, y)
        if not harness.wait_until(self.widget.menu_state, 5):
            self.fail(f"a click on the desktop's tray icon at ({x}, {y}) opened no menu")
        self.widget.screen.keys(*["Down"] * POSITION_SUBMENU, "Right",
                                *["Down"] * (BOTTOM_RIGHT - 1), "Return")
        self.wait_at(self.bottom_right, "bottom right chosen from the menu")

        # Hidden and topmost (through the menu's own commands) survive the change as they are.
        self.widget.probe.ask("command", "--title", TITLE, "--id", SET_TOPMOST_ID)
        self.widget.probe.ask("command", "--title", TITLE, "--id", MINIMIZE_ID)
        self.widget.wait_for(lambda s: not s["visible"], 5, "hidden")
        self.change_mode(1280, 720)
        state = self.wait_at(self.bottom_right, "bottom right of the 1280 x 720 screen")
        self.assertFalse(state["visible"], "a hidden widget stays hidden")
        self.assertTrue(state["topmost"], "a topmost widget stays topmost")
        self.change_mode(1920, 1080)
        state = self.wait_at(self.bottom_right, "bottom right again at 1920 x 1080")
        self.assertFalse(state["visible"])
        self.assertTrue(state["topmost"])


if __name__ == "__main__":
    unittest.main()
