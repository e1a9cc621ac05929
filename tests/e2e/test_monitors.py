"""Two monitors (an Xorg dummy server): --screen, a tray move on that monitor, the monitor
disconnected and connected again, a monitor left of the primary, and a taskbar's work area."""

import unittest

import harness
import xorg_desk

SECOND = r"\\.\DISPLAY2"
BOTTOM_RIGHT = harness.POSITION_ITEMS.index("右下角") + 1


class SecondMonitorTest(unittest.TestCase):
    def setUp(self):
        self.desk = xorg_desk.XorgDesk(second_left=1920)
        self.addCleanup(self.desk.close)
        self.widget = harness.Widget(f"{type(self).__name__}.{self._testMethodName}")
        self.addCleanup(self.widget.stop)

    def wait_at(self, point, what):
        state = self.widget.wait_for(lambda s: tuple(s["rect"][:2]) == point, 5, what)
        self.assertEqual(tuple(state["rect"][:2]), point, f"{what}: {state}")
        return state

    def change(self, *args):
        answer = self.widget.probe.ask("monitor-change", "--device", SECOND, *args)
        self.assertEqual((answer["stored"], answer["applied"]), (0, 0), answer)

    def test_second_screen_follows_the_monitor_away_and_back(self):
        self.widget.start("--screen", "2")
        self.wait_at((1920 + (1280 - 300) // 2, 10), "top center of the second monitor")
        self.widget.choose(harness.MENU_POSITION, BOTTOM_RIGHT)
        self.wait_at((1920 + 1280 - 310, 1024 - 130), "bottom right of the second monitor")
        self.change("--detach")
        self.wait_at((1920 - 310, 1080 - 130), "bottom right of the primary while it is gone")
        self.change("--rect", "1920,0,1280,1024")
        state = self.wait_at((1920 + 1280 - 310, 1024 - 130), "back on the second monitor")
        self.assertTrue(state["visible"], state)


class LeftOfPrimaryTest(unittest.TestCase):
    """The second monitor left of the primary, which has a 40-pixel taskbar at the bottom."""

    def setUp(self):
        # _NET_WORKAREA is x, y, width, height from the X root's corner, which is the left
        # monitor's: the primary starts 1280 pixels in.
        self.desk = xorg_desk.XorgDesk(second_left=-1280, primary_work="1280, 0, 1920, 1040")
        self.addCleanup(self.desk.close)
        self.widget = harness.Widget(f"{type(self).__name__}.{self._testMethodName}")
        self.addCleanup(self.widget.stop)

    def test_first_screen_is_the_one_left_of_the_primary(self):
        self.widget.start("--screen=1")
        state = self.widget.wait_for(lambda s: s["visible"], 5, "shown")
        self.assertEqual(self.widget.rect(state), (-1280 + 490, 10, 300, 120),
                         f"{state} on {self.desk.monitors}")

    def test_bottom_position_sits_above_the_taskbar(self):
        self.widget.start("--position", "右下角")
        state = self.widget.wait_for(lambda s: s["visible"], 5, "shown")
        self.assertEqual(self.widget.rect(state), (1920 - 310, 1040 - 130, 300, 120),
                         f"{state} on {self.desk.monitors}")


if __name__ == "__main__":
    unittest.main()
