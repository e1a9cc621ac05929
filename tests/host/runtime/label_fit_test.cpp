// The rule that keeps a single-line label's text whole: available width, size, ellipsis.
#include <gtest/gtest.h>

#include <cstdlib>

#include "label/label_fit.h"

namespace pellomi {
namespace {

TEST(LabelFit, AvailableWidthFollowsTheAlignmentAndTheShownPart) {
  const struct {
    std::int32_t width, shownLeft, shownRight, horizontal, available;
  } cases[] = {
      {328, 14, 314, 1, 300},  // the title line: 14 pixels hidden on either side
      {328, 0, 328, 1, 328},   // all of it shows
      {328, 20, 314, 1, 288},  // centred: the nearer hidden side counts twice
      {328, 14, 314, 0, 314},  // left: from the label's left edge to the shown right
      {328, 14, 314, 2, 314},  // right: from the shown left to the label's right edge
      {328, -5, 400, 1, 328},  // a shown part larger than the label is the label
      {328, 0, 100, 1, 0},     // the middle hidden: nothing centred can show whole
      {328, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AvailableLineWidth(c.width, c.shownLeft, c.shownRight, c.horizontal), c.available)
        << c.width << " " << c.shownLeft << ".." << c.shownRight << " align " << c.horizontal;
  }
}

TEST(LabelFit, HeightShrinksOnlyAsFarAsNeededAndNotBelowTheFloor) {
  // A text of `glyphs` square glyphs plus `digits` half-width ones, as wide as its height says.
  const struct {
    int glyphs, digits;
    std::int32_t height, floor, available, expected;
  } cases[] = {
      {10, 0, -29, 12, 300, -29},  // fits as it is (290 pixels): unchanged
      {10, 0, -30, 12, 300, -30},  // exactly as wide as the line: unchanged
      {15, 4, -29, 12, 300, -17},  // 17 * 17 = 289 fits, 18 * 17 = 306 does not
      {15, 4, 29, 12, 300, 17},    // a cell height keeps its sign
      {40, 0, -29, 12, 300, -12},  // needs 7 pixels: held at the floor
      {30, 0, -29, 12, 300, -12},  // 10 would fit; the floor wins
      {25, 0, -29, 12, 300, -12},  // exactly the floor fits
      {20, 0, -10, 12, 100, -10},  // a font already below the floor keeps its size
      {20, 0, -44, 18, 450, -22},  // at 144 DPI with the scaled floor
  };
  for (const auto& c : cases) {
    int calls = 0;
    const std::int32_t got = FittingHeight(c.height, c.floor, c.available, [&](std::int32_t h) {
      ++calls;
      EXPECT_EQ(h < 0, c.height < 0) << "the sign of the height is kept";
      EXPECT_GE(std::abs(h), c.floor);
      return c.glyphs * std::abs(h) + c.digits * std::abs(h) / 2;
    });
    EXPECT_EQ(got, c.expected) << c.glyphs << "+" << c.digits << " at " << c.height;
    EXPECT_LE(calls, 7) << "bisection, not a walk through every size";
  }
}

TEST(LabelFit, EllipsisKeepsAsManyCharactersAsFit) {
  // Ten pixels a character and ten for the ellipsis.
  const auto width = [](std::size_t count) { return static_cast<std::int32_t>(count) * 10 + 10; };
  const struct {
    std::size_t length;
    std::int32_t available;
    std::size_t kept;
  } cases[] = {{20, 55, 4}, {20, 60, 5}, {20, 10, 0}, {20, 9, 0}, {3, 500, 3}, {0, 100, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(EllipsisPrefix(c.length, c.available, width), c.kept)
        << c.length << " in " << c.available;
  }
}

TEST(LabelFit, FloorScalesWithTheDpi) {
  const std::pair<std::uint32_t, std::int32_t> cases[] = {
      {96, 12}, {0, 12}, {120, 15}, {144, 18}, {168, 21}, {192, 24}, {216, 27}, {100, 13}};
  for (const auto& [dpi, floor] : cases) EXPECT_EQ(FitFloorAtDpi(dpi), floor) << dpi;
}

}  // namespace
}  // namespace pellomi
