"""The tray icon's menu, driven with real mouse clicks and keys as a user would."""

import time
import unittest

import harness
from harness import (ALPHA_ITEMS, MENU_ALPHA, MENU_AUTHOR, MENU_EXIT, MENU_MINIMIZE,
                     MENU_POSITION, MENU_SHOW, POSITION_ITEMS)


class TrayMenuTest(harness.WidgetTestCase):

    def test_left_click_opens_menu_and_bottom_left_moves_window(self):
        menu = self.widget.open_menu("left")
        shot = self.shot("menu-open")
        left, top, right, bottom = menu["rect"]
        self.widget.screen.crop(shot, (left, top, right - left + 120, bottom - top + 40),
                                "tray-menu")
        self.widget.screen.keys(*["Down"] * MENU_POSITION, "Right",
                                *["Down"] * POSITION_ITEMS.index("左下角"), "Return")
        _, screen_height = self.widget.screen_size()
        wanted = (harness.MARGIN, screen_height - harness.WINDOW_HEIGHT - harness.MARGIN,
                  harness.WINDOW_WIDTH, harness.WINDOW_HEIGHT)
        state = self.widget.wait_for(lambda s: self.widget.rect(s) == wanted, 3, "bottom left")
        self.assertEqual(self.widget.rect(state), wanted)
        self.assertTrue(state["visible"])

    def test_position_check_mark_follows_the_choice(self):
        self.widget.choose(MENU_POSITION, POSITION_ITEMS.index("左下角") + 1)
        menus = self.widget.open_position_menu()
        shot = self.shot("position-menu")
        main, sub = menus
        self.widget.screen.crop(shot, (main[0], main[1], sub[2] - main[0], sub[3] - main[1]),
                                "position-menu")
        self.assertEqual(self.widget.checked_rows(shot, sub, len(POSITION_ITEMS)),
                         [POSITION_ITEMS.index("左下角")], f"only 左下角 is checked: {shot}")
        self.widget.screen.keys("Escape", "Escape")

    def test_alpha_choices_and_items_without_handler(self):
        self.widget.choose(MENU_ALPHA, ALPHA_ITEMS.index("50%") + 1, click="right")
        state = self.widget.wait_for(lambda s: s["layered"]["alpha"] == 50, 3, "alpha 50")
        self.assertEqual(state["layered"]["alpha"], 50)
        self.assertEqual(state["layered"]["flags"], 2)
        self.assertEqual(state["exstyle"] & harness.WS_EX_TRANSPARENT, harness.WS_EX_TRANSPARENT,
                         "a new alpha keeps the window click-through")

        # "300%" and the author line have no handler: nothing may change.
        self.widget.choose(MENU_ALPHA, ALPHA_ITEMS.index("300%") + 1)
        self.widget.choose(MENU_AUTHOR)
        time.sleep(0.5)
        after = self.widget.state()
        for key in ("rect", "visible", "exstyle", "layered", "topmost"):
            self.assertEqual(after[key], state[key], key)
        self.assertTrue(self.widget.running())

    def test_minimize_to_tray_and_show_again(self):
        before = self.widget.state()
        self.widget.choose(MENU_MINIMIZE)
        hidden = self.widget.wait_for(lambda s: not s["visible"], 3, "hidden")
        self.assertFalse(hidden["visible"], "最小化到托盘 must hide the window")
        self.assertTrue(self.widget.screen.tray_geometry(), "the tray icon stays while hidden")

        self.widget.choose(MENU_SHOW)
        shown = self.widget.wait_for(lambda s: s["visible"], 3, "shown")
        self.assertTrue(shown["visible"], "显示主界面 must show the window again")
        self.assertEqual(shown["rect"], before["rect"], "shown again at its old place")
        self.assertFalse(shown["iconic"])

    def test_exit_asks_first_cancel_keeps_running_ok_ends(self):
        # Another Wine window keeps the desktop process (and its tray) alive after the exit,
        # so the icon's removal is seen rather than the tray's disappearance.
        self.widget.helper("click-target", "--rect", "1,1000,20,20", "--log", "/dev/null")
        before = self.widget.state()
        self.widget.choose(MENU_EXIT)
        box = self.widget.message_box()
        self.assertTrue(box, "退出程序 shows no confirmation box")
        self.assertEqual(box["title"], harness.CONFIRM_TITLE)
        self.assertIn(harness.CONFIRM_TEXT, box["texts"])
        self.assertEqual(sorted(button["id"] for button in box["buttons"]), [1, 2],
                         "OK and Cancel")
        shot = self.shot("confirm")
        left, top, right, bottom = box["rect"]
        self.widget.screen.crop(shot, (left, top, right - left, bottom - top), "confirm-box")

        self.widget.answer_message_box("Escape")
        # The box is gone; a wrong exit would follow at once.
        harness.wait_until(lambda: not self.widget.running(), 0.5)
        self.assertTrue(self.widget.running(), "Cancel must keep the program running")
        after = self.widget.state()
        for key in ("rect", "visible", "exstyle", "layered"):
            self.assertEqual(after[key], before[key], key)
        self.assertTrue(self.widget.screen.tray_geometry(), "Cancel keeps the tray icon")

        self.widget.choose(MENU_EXIT)
        self.widget.answer_message_box("Return")
        code = self.widget.wait_exit(10)
        self.assertIsNotNone(code, "OK must end the program")
        self.assertEqual(code, 0)
        gone = harness.wait_until(lambda: not self.widget.screen.tray_geometry(), 1.0)
        self.assertTrue(gone, "the tray icon must leave the notification area on exit")

    def test_taskbar_created_broadcast_leaves_a_working_icon(self):
        answer = self.widget.probe.ask("broadcast-taskbar-created")
        self.assertTrue(answer.get("sent"), answer)
        # The send returns once the handler ran: only a fault it left behind could still show.
        time.sleep(0.3)
        self.assertTrue(self.widget.running())
        self.assertTrue(self.widget.screen.tray_geometry(), "the icon must be in the tray")
        self.widget.open_menu("right")
        self.widget.screen.keys("Escape")
        self.assertTrue(harness.wait_until(lambda: not self.widget.menu_state(), 3))


if __name__ == "__main__":
    unittest.main()
