"""What the tray does while the program is inside a modal loop: the exit box, its own menu."""

import time
import unittest

import harness
from harness import MENU_EXIT, MENU_WINDOW, WINDOW_ITEMS

BOX_CLASS = "#32770"
SET_TOPMOST = WINDOW_ITEMS.index("置窗口最前") + 1


class ModalTest(harness.WidgetTestCase):

    def boxes(self):
        return [w for w in self.widget.stack() if w["class"] == BOX_CLASS and w.get("visible", True)]

    def test_tray_click_under_the_exit_box_opens_no_menu_and_no_second_box(self):
        self.widget.choose(MENU_EXIT)
        self.assertTrue(self.widget.message_box(), "退出程序 must ask first")
        x, y = self.widget.tray_icon_point()
        self.widget.screen.click(x, y)
        menu = harness.wait_until(self.widget.menu_state, 1.5)
        if menu:
            # The fault: the menu opens again, and its exit item stacks a second box.
            self.widget.screen.keys(*(["Down"] * MENU_EXIT), "Return")
            time.sleep(1.0)
        self.assertFalse(menu, "a tray click while the exit box is up must open no menu")
        self.assertEqual(len(self.boxes()), 1, "there must never be a second exit box")
        self.widget.answer_message_box("Escape")
        self.assertTrue(self.widget.running(), "取消 keeps the widget running")

    def test_topmost_widget_leaves_its_open_menu_alone(self):
        self.widget.choose(MENU_WINDOW, SET_TOPMOST)
        self.widget.wait_for(lambda s: s["topmost"], 3, "topmost")
        self.widget.open_menu()
        left, top, width, height = self.widget.rect()
        cover = self.widget.helper("topmost-window", "--rect", f"{left},{top},{width},{height}")

        def widget_above():
            return self.widget.above(self.state["hwnd"], cover.info["hwnd"])

        overtaken = harness.wait_until(widget_above, 2.5)
        self.widget.screen.keys("Escape")
        self.assertFalse(overtaken, "with its menu open the widget must not re-assert topmost")
        self.assertTrue(harness.wait_until(lambda: not self.widget.menu_state(), 3))
        self.assertTrue(harness.wait_until(widget_above, 3.0),
                        "with the menu closed the widget comes back on top as before")


if __name__ == "__main__":
    unittest.main()
