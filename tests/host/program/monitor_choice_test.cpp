#include "placement/monitor_choice.h"

#include <gtest/gtest.h>

namespace pellomi {
namespace {

MonitorFacts Monitor(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                     bool primary = false) {
  const ScreenArea area{left, top, left + width, top + height};
  return {area, area, primary};
}

// Monitors numbered by left edge then top edge, whatever the enumeration's order; a number the
// desk lacks (or none) gives the primary.
TEST(ChosenMonitor, NumbersByLeftThenTopAndFallsBackToThePrimary) {
  const std::vector<MonitorFacts> beside = {Monitor(0, 0, 1024, 768, true),
                                            Monitor(1024, 0, 800, 600)};
  const std::vector<MonitorFacts> leftOfPrimary = {Monitor(0, 0, 1024, 768, true),
                                                   Monitor(-800, 0, 800, 600)};
  const std::vector<MonitorFacts> stacked = {Monitor(1920, 0, 1280, 1024),
                                             Monitor(0, 0, 1920, 1080, true),
                                             Monitor(1920, -1024, 1280, 1024)};
  const std::vector<MonitorFacts> noPrimary = {Monitor(500, 0, 640, 480), Monitor(0, 0, 640, 480)};
  struct Case {
    const std::vector<MonitorFacts>* desk;
    std::optional<std::int32_t> screen;
    std::optional<std::size_t> chosen;
  };
  const Case cases[] = {
      {&beside, std::nullopt, 0},
      {&beside, 1, 0},
      {&beside, 2, 1},
      {&beside, 3, 0},
      {&beside, 16, 0},
      {&leftOfPrimary, 1, 1},
      {&leftOfPrimary, 2, 0},
      {&leftOfPrimary, std::nullopt, 0},
      {&stacked, 1, 1},
      {&stacked, 2, 2},
      {&stacked, 3, 0},
      {&stacked, std::nullopt, 1},
      {&noPrimary, std::nullopt, 0},
      {&noPrimary, 1, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChosenMonitor(*c.desk, c.screen), c.chosen)
        << "desk of " << c.desk->size() << ", screen " << c.screen.value_or(0);
  }
  EXPECT_EQ(ChosenMonitor({}, 1), std::nullopt);
  EXPECT_EQ(MonitorNumbering(stacked), (std::vector<std::size_t>{1, 2, 0}));
}

TEST(UsableWorkArea, TheReportedOneWithinItsMonitor) {
  const ScreenArea monitor{0, 0, 1280, 720};
  struct Case {
    ScreenArea work, usable;
  };
  const Case cases[] = {
      {{0, 0, 1280, 680}, {0, 0, 1280, 680}},    // a taskbar at the bottom
      {{0, 40, 1280, 720}, {0, 40, 1280, 720}},  // at the top
      {{0, 0, 1280, 1060}, {0, 0, 1280, 720}},   // left from a larger mode
      {{1280, 0, 1920, 720}, monitor},           // nothing of it on the monitor
      {{0, 0, 0, 0}, monitor},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UsableWorkArea({monitor, c.work, true}), c.usable) << c.work.bottom;
  }
}

}  // namespace
}  // namespace pellomi
