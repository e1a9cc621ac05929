"""The widget on a real desk, one monitor: its asked size, and stepping aside while a
full-screen program is in front."""

import time
import unittest

import harness
from harness import TITLE

SET_TOPMOST_ID = 20018


class DeskTest(unittest.TestCase):
    def setUp(self):
        self.widget = harness.Widget(f"{type(self).__name__}.{self._testMethodName}")
        self.addCleanup(self.widget.stop)

    def screen(self):
        return self.widget.probe.ask("screen")

    def test_size_scales_window_and_margin_on_top_of_the_display_scale(self):
        self.widget.start("--size", "200")
        width, _ = self.widget.screen_size()
        state = self.widget.wait_for(lambda s: s["visible"], 5, "shown")
        self.assertEqual(self.widget.rect(state), ((width - 600) // 2, 20, 600, 240), state)
        labels = {child["id"]: child["rect"] for child in self.widget.children()}
        self.assertEqual(labels[110], [-60, 80, 660, 208], "the count's label at 200 %")

    def test_full_screen_program_in_front_hides_the_widget_until_it_leaves(self):
        self.widget.start()
        self.widget.probe.ask("command", "--title", TITLE, "--id", SET_TOPMOST_ID)
        before = self.widget.wait_for(lambda s: s["topmost"], 3, "topmost")
        width, height = self.widget.screen_size()
        front = self.widget.helper("front-window", "--rect", f"0,0,{width},{height}")
        hidden = self.widget.wait_for(lambda s: not s["visible"], 3, "stepped aside")
        self.assertFalse(hidden["visible"], f"over a full-screen program: {hidden}")
        front.stop()
        back = self.widget.wait_for(lambda s: s["visible"], 3, "back after it left")
        self.assertTrue(back["visible"], back)
        self.assertEqual(back["rect"], before["rect"], "the same place")
        self.assertTrue(back["topmost"], "still topmost")
        self.assertNotEqual(self.screen()["foreground"], back["hwnd"], "took no focus")
        self.assertEqual(back.get("alpha"), before.get("alpha"), "the same transparency")

    def assert_stays_shown(self, what):
        for _ in range(25):  # two ticks and more
            state = self.widget.state()
            self.assertTrue(state["visible"], f"{what}: {state}")
            time.sleep(0.1)

    def test_captioned_maximised_window_and_show_mode_change_nothing(self):
        self.widget.start()
        width, height = self.widget.screen_size()
        self.widget.helper("front-window", "--rect", f"0,0,{width},{height}", "--caption")
        self.assert_stays_shown("a maximised window with a title bar")
        self.widget.stop()
        self.widget = harness.Widget(f"{self.widget.name}.show")
        self.addCleanup(self.widget.stop)
        self.widget.start("--fullscreen=show")
        self.widget.helper("front-window", "--rect", f"0,0,{width},{height}")
        self.assert_stays_shown("--fullscreen=show over a full-screen program")


if __name__ == "__main__":
    unittest.main()
