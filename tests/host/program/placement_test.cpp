#include "placement/placement.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pellomi {
namespace {

TEST(PresetPosition, PlacesTheWidgetOnAFullHdScreen) {
  EXPECT_EQ(PresetPosition(PlacementPreset::kTopLeft, 1920, 1080, 300, 120), (ScreenPoint{10, 10}));
  EXPECT_EQ(PresetPosition(PlacementPreset::kTopCenter, 1920, 1080, 300, 120),
            (ScreenPoint{810, 10}));
  EXPECT_EQ(PresetPosition(PlacementPreset::kTopRight, 1920, 1080, 300, 120),
            (ScreenPoint{1610, 10}));
  EXPECT_EQ(PresetPosition(PlacementPreset::kBottomLeft, 1920, 1080, 300, 120),
            (ScreenPoint{10, 950}));
  EXPECT_EQ(PresetPosition(PlacementPreset::kBottomCenter, 1920, 1080, 300, 120),
            (ScreenPoint{810, 950}));
  EXPECT_EQ(PresetPosition(PlacementPreset::kBottomRight, 1920, 1080, 300, 120),
            (ScreenPoint{1610, 950}));
}

TEST(PresetPosition, OddWidthCentersHalfAPixelToTheLeft) {
  EXPECT_EQ(PresetPosition(PlacementPreset::kTopCenter, 1921, 1080, 300, 120).x, 810);
  EXPECT_EQ(PresetPosition(PlacementPreset::kBottomCenter, 1920, 1081, 301, 121),
            (ScreenPoint{809, 950}));
}

TEST(PresetPosition, WindowLargerThanTheScreenGoesOffScreenAsComputed) {
  // Truncation toward zero, not floor: (800 - 1001) / 2 = -100.5 gives -100.
  EXPECT_EQ(PresetPosition(PlacementPreset::kTopCenter, 800, 600, 1001, 700),
            (ScreenPoint{-100, 10}));
  EXPECT_EQ(PresetPosition(PlacementPreset::kBottomRight, 800, 600, 1000, 700),
            (ScreenPoint{-210, -110}));
}

TEST(PresetPosition, MarginScalesWithTheWindowsDpi) {
  EXPECT_EQ(PresetPosition(PlacementPreset::kTopCenter, 1920, 1080, 375, 150, 120),
            (ScreenPoint{772, 13}));
  EXPECT_EQ(PresetPosition(PlacementPreset::kTopCenter, 1920, 1080, 450, 180, 144),
            (ScreenPoint{735, 15}));
  EXPECT_EQ(PresetPosition(PlacementPreset::kBottomRight, 1920, 1080, 450, 180, 144),
            (ScreenPoint{1455, 885}));
  EXPECT_EQ(PresetPosition(PlacementPreset::kTopLeft, 1920, 1080, 600, 240, 192),
            (ScreenPoint{20, 20}));
  // A change of display mode: the same preset on the smaller screen.
  EXPECT_EQ(PresetPosition(PlacementPreset::kTopCenter, 1280, 720, 300, 120),
            (ScreenPoint{490, 10}));
}

// A monitor's work area, anywhere on the virtual screen: the same places relative to its corner
// as on a screen of its size, truncation included.
TEST(PresetPosition, TakesPlacesWithinAWorkArea) {
  struct Case {
    PlacementPreset preset;
    ScreenArea area;
    std::int32_t width, height;
    std::uint32_t dpi;
    ScreenPoint at;
  };
  using P = PlacementPreset;
  const Case cases[] = {
      {P::kTopCenter, {1024, 0, 1824, 600}, 300, 120, 96, {1274, 10}},
      {P::kBottomRight, {1024, 0, 1824, 600}, 300, 120, 96, {1514, 470}},
      {P::kTopLeft, {-800, 0, 0, 600}, 300, 120, 96, {-790, 10}},
      {P::kTopCenter, {-801, -50, 0, 550}, 301, 120, 96, {-551, -40}},   // -250 from -801
      {P::kBottomCenter, {0, 0, 1920, 1040}, 300, 120, 96, {810, 910}},  // 40-pixel taskbar
      {P::kBottomLeft, {0, 48, 1920, 1080}, 300, 120, 96, {10, 950}},    // taskbar on top
      {P::kTopRight, {-1920, 0, 0, 1080}, 450, 180, 144, {-465, 15}},
      {P::kTopCenter, {0, 0, 1024, 768}, 600, 240, 192, {212, 20}},  // --size 200 at 96 DPI
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PresetPosition(c.preset, c.area, c.width, c.height, c.dpi), c.at)
        << c.area.left << "," << c.area.top;
    if (c.area.left == 0 && c.area.top == 0) {
      EXPECT_EQ(PresetPosition(c.preset, c.area.right, c.area.bottom, c.width, c.height, c.dpi),
                c.at);
    }
  }
}

TEST(PositionChecks, CheckedPresetIsTheOneWhoseItemCarriesTheMark) {
  for (PlacementPreset preset : {PlacementPreset::kTopLeft, PlacementPreset::kTopCenter,
                                 PlacementPreset::kTopRight, PlacementPreset::kBottomLeft,
                                 PlacementPreset::kBottomCenter, PlacementPreset::kBottomRight}) {
    std::array<bool, 6> checked{};
    for (const CheckWrite& write : CheckWritesFor(kPositionItems, PositionItemOf(preset))) {
      checked[static_cast<std::size_t>(
          std::find(kPositionItems.begin(), kPositionItems.end(), write.first) -
          kPositionItems.begin())] = write.second == 1;
    }
    EXPECT_EQ(CheckedPreset(checked), preset);
  }
  EXPECT_EQ(CheckedPreset({}), std::nullopt) << "no mark, no move";
}

TEST(PositionChecks, WriteTheSixItemsInMenuOrderWithOnlyTheChosenOneSet) {
  const auto writes = CheckWritesFor(kPositionItems, PositionItemOf(PlacementPreset::kBottomLeft));
  const UnitId expectedOrder[] = {0x26012B52u, 0x26012B54u, 0x26012B53u,
                                  0x26012B55u, 0x2601567Au, 0x2601567Bu};
  ASSERT_EQ(writes.size(), 6u);
  for (std::size_t i = 0; i < writes.size(); ++i) {
    EXPECT_EQ(writes[i].first, expectedOrder[i]) << i;
    EXPECT_EQ(writes[i].second, writes[i].first == 0x26012B54u ? 1 : 0) << i;
  }
}

TEST(PositionChecks, EachPresetChecksItsOwnDistinctItem) {
  const std::pair<PlacementPreset, UnitId> expected[] = {
      {PlacementPreset::kTopLeft, 0x26012B52u},      {PlacementPreset::kTopCenter, 0x2601567Au},
      {PlacementPreset::kTopRight, 0x26012B53u},     {PlacementPreset::kBottomLeft, 0x26012B54u},
      {PlacementPreset::kBottomCenter, 0x2601567Bu}, {PlacementPreset::kBottomRight, 0x26012B55u},
  };
  for (const auto& [preset, item] : expected) {
    EXPECT_EQ(PositionItemOf(preset), item);
    const auto writes = CheckWritesFor(kPositionItems, item);
    EXPECT_EQ(std::count_if(writes.begin(), writes.end(),
                            [](const CheckWrite& w) { return w.second == 1; }),
              1);
  }
}

}  // namespace
}  // namespace pellomi
