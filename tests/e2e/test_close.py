"""Closing the window ends the program with exit code 0."""

import unittest

import harness
from harness import TITLE


class CloseTest(harness.WidgetTestCase):

    def test_wm_close_ends_the_program_with_code_0(self):
        answer = self.widget.probe.ask("close", "--title", TITLE)
        self.assertTrue(answer.get("posted"), answer)
        code = self.widget.wait_exit(10)
        self.assertIsNotNone(code, "the program still runs 10 s after WM_CLOSE")
        self.assertEqual(code, 0)


if __name__ == "__main__":
    unittest.main()
