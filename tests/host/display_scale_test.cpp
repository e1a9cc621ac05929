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
