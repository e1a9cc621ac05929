"""Starting Pellomi again: the same date and title reach the running widget, others start anew."""

import os
import signal
import subprocess
import time
import unittest

import harness
from harness import MENU_MINIMIZE, POSITION_ITEMS, TITLE

TARGET = "2027/6/7"


class SecondStartTest(harness.WidgetTestCase):

    def setUp(self):
        self.widget = harness.Widget(f"{type(self).__name__}.{self._testMethodName}")
        self.addCleanup(self.widget.stop)
        self.state = self.widget.start("--target", TARGET)
        self.others = []

    def start_again(self, *args):
        process = subprocess.Popen([*self.widget.launcher, self.widget.exe, *args],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   env=harness.wine_env())
        self.others.append(process)
        self.addCleanup(self.end, process)
        return process

    @staticmethod
    def end(process):
        if process.poll() is None:
            process.kill()
            process.wait()

    def widget_pids(self):
        """The processes that own a window titled like the widget (each has a hidden owner)."""
        return {w["pid"] for w in self.widget.stack() if w.get("title") == TITLE} | \
            {w["pid"] for w in self.widget.probe.ask("stack", "--all")["windows"]
             if w.get("title") == TITLE}

    def test_same_date_written_otherwise_shows_the_hidden_widget_and_moves_it(self):
        self.widget.choose(MENU_MINIMIZE)
        self.assertFalse(self.widget.wait_for(lambda s: not s["visible"], 3, "hidden")["visible"])
        began = time.monotonic()
        second = self.start_again("--target=2027-06-07", "--position", "左下角")
        self.assertEqual(second.wait(timeout=15), 0, "the second start hands over and ends")
        handed = time.monotonic() - began
        _, screen_height = self.widget.screen_size()
        wanted = (harness.MARGIN, screen_height - harness.WINDOW_HEIGHT - harness.MARGIN,
                  harness.WINDOW_WIDTH, harness.WINDOW_HEIGHT)
        state = self.widget.wait_for(lambda s: s["visible"] and self.widget.rect(s) == wanted, 3,
                                     "shown at the bottom left")
        self.assertTrue(state["visible"], "the hidden widget is shown again")
        self.assertEqual(self.widget.rect(state), wanted, state)
        self.assertEqual(self.widget_pids(), {state["pid"]}, "one widget, the first")
        self.assertTrue(self.widget.running())
        print(f"second start handed over and ended in {handed:.2f} s")
        # The position's menu item is checked, as the menu's own choice would check it.
        menus = self.widget.open_position_menu()
        shot = self.shot("position-menu")
        self.assertEqual(self.widget.checked_rows(shot, menus[1], len(POSITION_ITEMS)),
                         [POSITION_ITEMS.index("左下角")], f"only 左下角 is checked: {shot}")
        self.widget.screen.keys("Escape", "Escape")
        # A later start's --size lays the running widget out again, still at the bottom left.
        third = self.start_again("--target", "2027/6/7", "--size", "200")
        self.assertEqual(third.wait(timeout=15), 0)
        doubled = (2 * harness.MARGIN, screen_height - 2 * (harness.WINDOW_HEIGHT + harness.MARGIN),
                   2 * harness.WINDOW_WIDTH, 2 * harness.WINDOW_HEIGHT)
        state = self.widget.wait_for(lambda s: self.widget.rect(s) == doubled, 3, "doubled")
        self.assertEqual(self.widget.rect(state), doubled, state)
        self.assertEqual(self.widget_pids(), {state["pid"]}, "still one widget")

    def test_another_title_or_date_starts_another_widget(self):
        for args in (["--target", TARGET, "--title", "期末"], ["--target", "2027/6/8"]):
            with self.subTest(args=args):
                other = self.start_again(*args)
                pids = harness.wait_until(lambda: len(self.widget_pids()) == 2 and
                                          self.widget_pids(), 15)
                self.assertTrue(pids, f"{args} started no widget of its own")
                self.assertIsNone(other.poll(), "the other widget keeps running")
                self.end(other)
                harness.wait_until(lambda: len(self.widget_pids()) == 1, 5)

    def test_a_widget_that_does_not_answer_is_not_waited_for(self):
        first = self.widget.process.pid
        os.kill(first, signal.SIGSTOP)
        self.addCleanup(os.kill, first, signal.SIGCONT)
        began = time.monotonic()
        second = self.start_again("--target", TARGET)
        pids = harness.wait_until(lambda: len(self.widget_pids()) == 2, 15)
        took = time.monotonic() - began
        self.assertTrue(pids, "no widget of its own after the first did not answer")
        self.assertIsNone(second.poll(), "the second start runs as a widget")
        self.assertLess(took, 10, "the wait for an answer is about two seconds")
        print(f"own widget after an unanswered request in {took:.2f} s")
        os.kill(first, signal.SIGCONT)


if __name__ == "__main__":
    unittest.main()
