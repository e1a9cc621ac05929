#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "commands/date_time.h"

namespace pellomi {
namespace {

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return DateTimeFromFields(y, mo, d, h, mi, s).value_or(std::nan(""));
}

TEST(DateTimeInterval, WeeksCountTheWeekBoundariesCrossed) {
  const DateTime saturday = At(2024, 6, 8), sunday = At(2024, 6, 9);
  EXPECT_EQ(DateTimeInterval(sunday, saturday, kIntervalWeeks), 1.0);
  EXPECT_EQ(DateTimeInterval(saturday, sunday, kIntervalWeeks), -1.0);
  EXPECT_EQ(DateTimeInterval(At(2024, 6, 21), At(2024, 6, 7), kIntervalWeeks), 2.0);
  EXPECT_EQ(DateTimeInterval(At(2024, 6, 22), sunday, kIntervalWeeks), 1.0);
  EXPECT_EQ(DateTimeInterval(At(2024, 6, 23), saturday, kIntervalWeeks), 3.0);
  EXPECT_EQ(DateTimeInterval(saturday, At(2024, 6, 23), kIntervalWeeks), -3.0);
}

TEST(DateTimeInterval, CalendarUnitsUseTheFields) {
  const DateTime target = At(2024, 6, 7), newYearsEve = At(2023, 12, 31);
  EXPECT_EQ(DateTimeInterval(target, newYearsEve, kIntervalMonths), 6.0);
  EXPECT_EQ(DateTimeInterval(target, newYearsEve, kIntervalQuarters), 2.0);
  EXPECT_EQ(DateTimeInterval(target, newYearsEve, kIntervalYears), 1.0);
  EXPECT_EQ(DateTimeInterval(newYearsEve, target, kIntervalMonths), -6.0);
  EXPECT_EQ(DateTimeInterval(At(1899, 12, 29, 6), At(1899, 1, 1), kIntervalMonths), 11.0);
}

TEST(DateTimeInterval, DaysAndHours) {
  EXPECT_EQ(DateTimeInterval(45450.0, 45448.25, kIntervalDays), 1.75);
  EXPECT_EQ(DateTimeInterval(45450.0, 45448.25, kIntervalHours), 42.0);
  EXPECT_EQ(DateTimeInterval(45450.0, 45448.25, kIntervalMinutes), 2520.0);
  EXPECT_EQ(DateTimeInterval(45450.0, 45448.25, kIntervalSeconds), 151200.0);
  // Across day 0 the span is continuous.
  EXPECT_EQ(DateTimeInterval(0.0, -1.25, kIntervalDays), 0.75);
  EXPECT_EQ(DateTimeInterval(0.0, -1.25, kIntervalHours), 18.0);
}

TEST(DateTimeInterval, WholeSecondsCountExactly) {
  const DateTime midnight = At(2024, 6, 7);
  for (int s = 0; s < 86400; s += 1) {
    const DateTime later = At(2024, 6, 7, s / 3600, s / 60 % 60, s % 60);
    ASSERT_EQ(DateTimeInterval(later, midnight, kIntervalSeconds), s == 0 ? 0.0 : s) << s;
    ASSERT_EQ(DateTimeInterval(later, midnight, kIntervalMinutes), s / 60) << s;
  }
}

TEST(DateTimeInterval, NegativeSpansAreExactNegations) {
  const DateTime spans[] = {1.75, 1.0 / 24, 1.0 / 86400, 0.1, 12345.678, 4.5 / 86400};
  for (DateTime span : spans) {
    const DateTime a = 45000.0, b = a + span;
    for (int unit = kIntervalHours; unit <= kIntervalSeconds; ++unit) {
      EXPECT_EQ(DateTimeInterval(a, b, unit), -DateTimeInterval(b, a, unit))
          << span << " unit " << unit;
    }
  }
  EXPECT_EQ(DateTimeInterval(45448.25, 45450.0, kIntervalHours), -42.0);
  EXPECT_EQ(DateTimeInterval(At(2024, 6, 7), At(2024, 6, 7, 0, 0, 1), kIntervalSeconds), -1.0);
}

TEST(DateTimeInterval, CountsBeyond32BitsSaturate) {
  constexpr double kMax32 = std::numeric_limits<std::int32_t>::max();
  constexpr double kMin32 = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(DateTimeInterval(kMaxDateTime, kMinDateTime, kIntervalMinutes), kMax32);
  EXPECT_EQ(DateTimeInterval(kMinDateTime, kMaxDateTime, kIntervalMinutes), kMin32);
  EXPECT_EQ(DateTimeInterval(At(2024, 1, 1), At(1900, 1, 1), kIntervalSeconds), kMax32);
  EXPECT_EQ(DateTimeInterval(At(1900, 1, 1), At(2024, 1, 1), kIntervalSeconds), kMin32);
  // The whole range in hours still fits.
  EXPECT_EQ(DateTimeInterval(kMaxDateTime, kMinDateTime, kIntervalHours), 3615899.0 * 24);
}

TEST(DateTimeInterval, UnitOutsideOneToEightIsClamped) {
  const DateTime a = At(2024, 6, 7), b = At(2023, 12, 31);
  EXPECT_EQ(DateTimeInterval(a, b, 0), 1.0);
  EXPECT_EQ(DateTimeInterval(a, b, -3), 1.0);
  EXPECT_EQ(DateTimeInterval(a, b, 9), 159.0 * 86400);
  EXPECT_EQ(DateTimeInterval(a, b, 1000), 159.0 * 86400);
}

TEST(DateTimeInterval, EqualOperandsGiveZeroInEveryUnit) {
  for (int unit = -1; unit <= 9; ++unit) {
    EXPECT_EQ(DateTimeInterval(45450.3, 45450.3, unit), 0.0) << unit;
    EXPECT_EQ(DateTimeInterval(-1.25, -1.25, unit), 0.0) << unit;
  }
}

TEST(DateTimeInterval, OperandsOutsideTheRangeAreClamped) {
  EXPECT_EQ(DateTimeInterval(kNoDateTime, At(2024, 6, 7), kIntervalDays), -702884.0);
  EXPECT_EQ(DateTimeInterval(2958465.999988426, 2958464.0, kIntervalDays), 1.0);
  EXPECT_EQ(DateTimeInterval(1e300, At(9999, 12, 1), kIntervalMonths), 0.0);
  EXPECT_EQ(DateTimeInterval(-1e300, At(101, 1, 1), kIntervalYears), -1.0);
  EXPECT_EQ(DateTimeInterval(std::nan(""), kMinDateTime + 1, kIntervalDays), -1.0);
}

}  // namespace
}  // namespace pellomi
