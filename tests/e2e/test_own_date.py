"""The count of an own date before, on and after its day, on a faked clock, and its turn at local
midnight while the widget runs."""

import time
import unittest

import harness

CAPTION_ID = 110
FAKETIME_LIBRARY = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"


class OwnDateTest(unittest.TestCase):

    def setUp(self):
        self.widget = harness.Widget(f"{type(self).__name__}.{self._testMethodName}")
        self.addCleanup(self.widget.stop)

    def caption(self):
        return next(child["text"] for child in self.widget.children()
                    if child["id"] == CAPTION_ID)

    @staticmethod
    def faked_clock(start):
        # The program alone runs on a clock that starts at `start` in a zone that the C runtime
        # cannot read.
        return {"TZ": "America/Los_Angeles", "LD_PRELOAD": FAKETIME_LIBRARY,
                "FAKETIME": f"@{start}", "FAKETIME_DONT_FAKE_MONOTONIC": "1"}

    def test_an_own_date_on_and_after_its_day(self):
        for target, start, caption in (("6月7日", "2027-06-08 12:00:00", "还有365天"),
                                       ("2027/06/07", "2027-06-07 12:00:00", "就是今天"),
                                       ("2027/06/07", "2027-06-10 12:00:00", "已过3天")):
            with self.subTest(target=target, start=start):
                self.widget.start("--target", target, env=self.faked_clock(start))
                self.assertEqual(self.caption(), caption)
                self.widget.close_program()

    def test_the_count_turns_over_at_local_midnight(self):
        # Ten seconds before the Los Angeles midnight that starts the target day.
        launched = time.monotonic()
        self.widget.start("--target", "2025/03/20", env=self.faked_clock("2025-03-19 23:59:50"))
        self.assertEqual(self.caption(), "还有1天")
        changed = harness.wait_until(lambda: self.caption() != "还有1天", 25)
        turned = time.monotonic() - launched
        self.assertTrue(changed, "the caption did not change after midnight")
        self.assertEqual(self.caption(), "就是今天")
        # 00:00:00 comes 10 s after the faked start (the program starts a little later still).
        self.assertGreaterEqual(turned, 9.5)
        self.assertLess(turned, 15)


if __name__ == "__main__":
    unittest.main()
