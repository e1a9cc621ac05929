#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "commands/date_time.h"

namespace pellomi {
namespace {

TEST(FloorWithTolerance, CountsNearlyWholeValuesAsWhole) {
  EXPECT_EQ(FloorWithTolerance(2.9999999999995), 3);
  EXPECT_EQ(FloorWithTolerance(2.999999999998), 2);
  EXPECT_EQ(FloorWithTolerance(-0.9999999999995), -1);
  EXPECT_EQ(FloorWithTolerance(-2.9999999999995), -3);
}

TEST(FloorWithTolerance, OtherwiseTakesTheFloor) {
  EXPECT_EQ(FloorWithTolerance(1.75), 1);
  EXPECT_EQ(FloorWithTolerance(0.25), 0);
  EXPECT_EQ(FloorWithTolerance(0.0), 0);
  EXPECT_EQ(FloorWithTolerance(-0.25), -1);
  EXPECT_EQ(FloorWithTolerance(-1.0), -1);
  EXPECT_EQ(FloorWithTolerance(-1.5), -2);
  EXPECT_EQ(FloorWithTolerance(-702884.0), -702884);
}

TEST(FloorWithTolerance, ThresholdIsTheExactDouble) {
  const double threshold = std::bit_cast<double>(std::uint64_t{0x3FEFFFFFFFFFDCD1});
  EXPECT_NEAR(threshold, 0.999999999999, 1e-16);
  // Just above the threshold counts as whole, the threshold itself does not.
  EXPECT_EQ(FloorWithTolerance(std::nextafter(threshold, 1.0)), 1);
  EXPECT_EQ(FloorWithTolerance(threshold), 0);
}

TEST(TruncateToInt, DiscardsTheFractionTowardZero) {
  EXPECT_EQ(TruncateToInt(2.9), 2);
  EXPECT_EQ(TruncateToInt(-2.9), -2);
  EXPECT_EQ(TruncateToInt(-0.5), 0);
  EXPECT_EQ(TruncateToInt(0.5), 0);
  EXPECT_EQ(TruncateToInt((1920 - 300) / 2.0), 810);
}

TEST(TruncateToInt, IgnoresTheRoundingMode) {
  const int saved = std::fegetround();
  std::fesetround(FE_UPWARD);
  volatile double positive = 2.9, negative = -2.9;
  const std::int32_t up = TruncateToInt(positive), upNegative = TruncateToInt(negative);
  std::fesetround(FE_DOWNWARD);
  const std::int32_t down = TruncateToInt(positive), downNegative = TruncateToInt(negative);
  std::fesetround(saved);
  EXPECT_EQ(up, 2);
  EXPECT_EQ(upNegative, -2);
  EXPECT_EQ(down, 2);
  EXPECT_EQ(downNegative, -2);
}

TEST(TruncateToInt, KeepsTheLow32BitsOfThe64BitValue) {
  EXPECT_EQ(TruncateToInt(4294967296.0 + 5.5), 5);
  EXPECT_EQ(TruncateToInt(2147483648.0), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(TruncateToInt64(-5e12 - 0.5), -5000000000000);
  // No 64-bit value exists: the integer-indefinite value.
  EXPECT_EQ(TruncateToInt64(1e19), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(TruncateToInt64(std::nan("")), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(TruncateToInt(std::nan("")), 0);
}

}  // namespace
}  // namespace pellomi
