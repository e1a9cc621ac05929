#include "form/display_scale.h"

#include <gtest/gtest.h>

#include "label/label_font.h"

namespace pellomi {
namespace {

TEST(ScaleToDpi, KeepsEveryValueAt96AndRoundsHalvesAwayFromZero) {
  for (std::int32_t v = -400; v <= 400; ++v) {
    ASSERT_EQ(ScaleToDpi(v, 96), v);
    ASSERT_EQ(ScaleToDpi(v, 0), v) << "nothing answered counts as 96";
  }
  struct Case {
    std::int32_t value;
    std::uint32_t dpi;
    std::int32_t scaled;
  };
  const Case
      cases[] =
          {
              {300, 120, 375}, {120, 120, 150},      {10, 120, 13},
              {-10, 120, -13},  // 12.5 away from 0
              {-29, 120, -36}, {-48, 120, -60},      {300, 144, 450},
              {120, 144, 180}, {10, 144, 15},        {-29, 144, -44},
              {-48, 144, -72}, {50, 144, 75},        {5, 144, 8},
              {-14, 144, -21}, {300, 192, 600},      {10, 192, 20},
              {1, 72, 1},      {32627, 480, 163135},  // no overflow for the largest geometry
          };
  for (const Case& c : cases) {
    EXPECT_EQ(ScaleToDpi(c.value, c.dpi), c.scaled) << c.value << " at " << c.dpi;
  }
}

TEST(ScaleToDpi, GeometryAndFontHeightFollowTheSameRule) {
  EXPECT_EQ(ScaleGeometry({-30, 40, 360, 64}, 144), (UnitGeometry{-45, 60, 540, 96}));
  EXPECT_EQ(ScaleGeometry({-14, -16, 328, 88}, 120), (UnitGeometry{-18, -20, 410, 110}));
  UnitRecord unit;
  std::tie(unit.left, unit.top, unit.width, unit.height) = std::tuple(50, 50, 300, 120);
  EXPECT_EQ(TemplateGeometryAt(unit, 192), (UnitGeometry{100, 100, 600, 240}));

  LogFontFields font;
  font.height = -29;
  font.width = 6;
  font.weight = kNormalWeight;
  const LogFontFields scaled = FontForDpi(font, 144);
  EXPECT_EQ(scaled.height, -44);
  EXPECT_EQ(scaled.width, 9);
  EXPECT_EQ(scaled.weight, kNormalWeight) << "only the sizes scale";
  EXPECT_EQ(FontForDpi(font, 96), font);
}

}  // namespace
}  // namespace pellomi

namespace pellomi {
namespace {

// The asked size rides on the display scale as one DPI, so window, text, margin and corners
// all follow ScaleToDpi once.
TEST(LayoutDpi, AskedSizeOnTopOfTheDisplayScale) {
  struct Case {
    std::uint32_t dpi, percent, layout;
    std::int32_t width, height, margin, corner;  // template 300 x 120, margin 10, corner 50
  };
  const Case cases[] = {
      {96, 100, 96, 300, 120, 10, 50},    {96, 200, 192, 600, 240, 20, 100},
      {96, 50, 48, 150, 60, 5, 25},       {96, 400, 384, 1200, 480, 40, 200},
      {144, 150, 216, 675, 270, 23, 113}, {120, 133, 160, 500, 200, 17, 83},
      {96, 125, 120, 375, 150, 13, 63},   {0, 0, 96, 300, 120, 10, 50},  // nothing: 96, 100 %
  };
  for (const Case& c : cases) {
    const std::uint32_t layout = LayoutDpi(c.dpi, c.percent);
    EXPECT_EQ(layout, c.layout) << c.dpi << " dpi, " << c.percent << " %";
    EXPECT_EQ(ScaleGeometry({0, 0, 300, 120}, layout), (UnitGeometry{0, 0, c.width, c.height}));
    EXPECT_EQ(ScaleToDpi(10, layout), c.margin);
    EXPECT_EQ(ScaleToDpi(50, layout), c.corner);
  }
}

}  // namespace
}  // namespace pellomi
