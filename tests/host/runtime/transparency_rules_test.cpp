#include "layered/transparency_rules.h"
#include "template/alpha_levels.h"

#include <gtest/gtest.h>

namespace pellomi {
namespace {

TEST(LayeredFlags, ColourKeyZeroMeansAlphaOnly) {
  EXPECT_EQ(LayeredFlagsFor(0, 50), 2u);
  EXPECT_EQ(LayeredFlagsFor(0, 0), 2u);  // black cannot be a colour key
  EXPECT_EQ(LayeredFlagsFor(0x00FF00FF, 0), 1u);
  EXPECT_EQ(LayeredFlagsFor(0x00FF00FF, 180), 3u);
}

TEST(ExtendedStyle, ClickThroughKeepsTheOtherBits) {
  EXPECT_EQ(ExtendedStyleFor(0, true), 0x80020u);
  EXPECT_EQ(ExtendedStyleFor(0x00000088u, true), 0x800A8u);  // toolwindow + topmost stay
  EXPECT_EQ(ExtendedStyleFor(0x00080020u, true), 0x80020u);
}

TEST(ExtendedStyle, WithoutClickThroughIsExactlyLayered) {
  EXPECT_EQ(ExtendedStyleFor(0x000800A8u, false), 0x80000u);
  EXPECT_EQ(ExtendedStyleFor(0, false), 0x80000u);
}

TEST(ClientSize, IsTheRectangleDifferenceOrZeroOnFailure) {
  const ClientSize size = ClientSizeFromRect(true, 0, 0, 300, 120);
  EXPECT_EQ(size.width, 300);
  EXPECT_EQ(size.height, 120);
  const ClientSize offset = ClientSizeFromRect(true, -5, 7, 20, 9);
  EXPECT_EQ(offset.width, 25);
  EXPECT_EQ(offset.height, 2);
  const ClientSize failed = ClientSizeFromRect(false, 0, 0, 300, 120);
  EXPECT_EQ(failed.width, 0);
  EXPECT_EQ(failed.height, 0);
}

TEST(AlphaLevels, CaptionNumberIsTheAlphaByteAndItemsAreDistinct) {
  const std::uint8_t alphas[] = {50, 100, 150, 200, 250};
  const UnitId items[] = {0x26015695u, 0x26015696u, 0x26015697u, 0x26015698u, 0x26015699u};
  for (std::size_t i = 0; i < kAlphaLevels.size(); ++i) {
    EXPECT_EQ(kAlphaLevels[i].alpha, alphas[i]);
    EXPECT_EQ(kAlphaLevels[i].item, items[i]);
    EXPECT_NE(kAlphaLevels[i].item, kAlpha300Item);
  }
}

}  // namespace
}  // namespace pellomi
