#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "commands/date_time.h"

namespace pellomi {
namespace {

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  auto value = DateTimeFromFields(y, mo, d, h, mi, s);
  EXPECT_TRUE(value.has_value()) << y << "-" << mo << "-" << d;
  return value.value_or(std::nan(""));
}

void ExpectFields(DateTime v, int y, int mo, int d, int h, int mi, int s) {
  auto f = FieldsFromDateTime(v);
  ASSERT_TRUE(f.has_value()) << v;
  EXPECT_EQ(f->year, y) << v;
  EXPECT_EQ(f->month, mo) << v;
  EXPECT_EQ(f->day, d) << v;
  EXPECT_EQ(f->hour, h) << v;
  EXPECT_EQ(f->minute, mi) << v;
  EXPECT_EQ(f->second, s) << v;
}

TEST(DateTimeFromFields, KnownValues) {
  EXPECT_EQ(At(1899, 12, 30), 0.0);
  EXPECT_EQ(At(2024, 6, 7), 45450.0);
  EXPECT_EQ(At(2024, 6, 7, 12), 45450.5);
  EXPECT_EQ(At(1899, 12, 29, 6), -1.25);
  EXPECT_EQ(At(100, 1, 1), kMinDateTime);
  EXPECT_EQ(At(9999, 12, 31), kMaxDateTime);
  EXPECT_EQ(At(2024, 2, 29), 45351.0);
  EXPECT_EQ(At(2000, 2, 29) + 1, At(2000, 3, 1));
}

TEST(DateTimeFromFields, RejectsImpossibleFields) {
  EXPECT_FALSE(DateTimeFromFields(2023, 2, 29, 0, 0, 0));
  EXPECT_FALSE(DateTimeFromFields(1900, 2, 29, 0, 0, 0));
  EXPECT_FALSE(DateTimeFromFields(2024, 4, 31, 0, 0, 0));
  EXPECT_FALSE(DateTimeFromFields(2024, 0, 1, 0, 0, 0));
  EXPECT_FALSE(DateTimeFromFields(2024, 13, 1, 0, 0, 0));
  EXPECT_FALSE(DateTimeFromFields(2024, 1, 0, 0, 0, 0));
  EXPECT_FALSE(DateTimeFromFields(2024, 1, 1, 24, 0, 0));
  EXPECT_FALSE(DateTimeFromFields(2024, 1, 1, 0, 60, 0));
  EXPECT_FALSE(DateTimeFromFields(2024, 1, 1, 0, 0, 60));
  EXPECT_FALSE(DateTimeFromFields(10000, 1, 1, 0, 0, 0));
}

TEST(FieldsFromDateTime, NegativeValuesKeepTheTimeOfDayAsMagnitude) {
  ExpectFields(-1.25, 1899, 12, 29, 6, 0, 0);
  ExpectFields(-1.75, 1899, 12, 29, 18, 0, 0);
  ExpectFields(-0.5, 1899, 12, 30, 12, 0, 0);
  ExpectFields(kMinDateTime, 100, 1, 1, 0, 0, 0);
  EXPECT_EQ(FieldsFromDateTime(-1.25)->dayOfWeek, 6);  // a Friday
}

TEST(FieldsFromDateTime, RoundsToTheNearestSecond) {
  ExpectFields(45450.0 + 86399.6 / 86400, 2024, 6, 8, 0, 0, 0);
  ExpectFields(45450.0 + 86399.4 / 86400, 2024, 6, 7, 23, 59, 59);
  ExpectFields(-1.0 - 21600.6 / 86400, 1899, 12, 29, 6, 0, 1);
}

TEST(FieldsFromDateTime, LastHalfSecondBeforeDayZeroRoundsToTheNextDay) {
  // Rounding away from zero must not fall back to the day before.
  ExpectFields(-1.0 - 86399.75 / 86400, 1899, 12, 30, 0, 0, 0);
  ExpectFields(-86399.75 / 86400, 1899, 12, 31, 0, 0, 0);
  ExpectFields(-657431.0 - 86399.75 / 86400, 100, 1, 5, 0, 0, 0);
  ExpectFields(-1.0 - 86399.25 / 86400, 1899, 12, 29, 23, 59, 59);
  EXPECT_EQ(FieldsFromDateTime(-1.0 - 86399.75 / 86400)->dayOfWeek, 7);
}

TEST(FieldsFromDateTime, DayOfWeekRunsSundayOneToSaturdaySeven) {
  EXPECT_EQ(FieldsFromDateTime(0.0)->dayOfWeek, 7);
  EXPECT_EQ(FieldsFromDateTime(At(2024, 6, 8))->dayOfWeek, 7);
  EXPECT_EQ(FieldsFromDateTime(At(2024, 6, 9))->dayOfWeek, 1);
  EXPECT_EQ(FieldsFromDateTime(At(2024, 6, 7, 23, 59, 59))->dayOfWeek, 6);
}

TEST(FieldsFromDateTime, FailsOutsideTheRange) {
  EXPECT_FALSE(FieldsFromDateTime(kMaxDateTime + 0.5));
  EXPECT_FALSE(FieldsFromDateTime(kMinDateTime - 0.5));
  EXPECT_FALSE(FieldsFromDateTime(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_FALSE(FieldsFromDateTime(std::numeric_limits<double>::infinity()));
  EXPECT_TRUE(FieldsFromDateTime(kMaxDateTime));
}

// Every day of the range, built by one algorithm and read back by the other.
TEST(FieldsFromDateTime, ReadsBackEveryDayOfTheRange) {
  DateTime previous = kMinDateTime - 1;
  int previousWeekday = 5;  // 0100-01-01 was a Friday, so the day before a Thursday
  int checked = 0;
  for (int y = 100; y <= 9999; ++y) {
    for (int mo = 1; mo <= 12; ++mo) {
      for (int d = 1; d <= DaysInMonth(y, mo); ++d) {
        // Any time after midnight of the last day lies beyond the range.
        const bool lastDay = y == 9999 && mo == 12 && d == 31;
        const int seconds = lastDay ? 0 : static_cast<int>((checked * 7919LL) % 86400);
        const int h = seconds / 3600, mi = seconds / 60 % 60, s = seconds % 60;
        const auto value = DateTimeFromFields(y, mo, d, h, mi, s);
        ASSERT_TRUE(value.has_value());
        ASSERT_EQ(LinearDays(std::trunc(*value)), LinearDays(std::trunc(previous)) + 1);
        const auto f = FieldsFromDateTime(*value);
        ASSERT_TRUE(f.has_value());
        ASSERT_TRUE(f->year == y && f->month == mo && f->day == d && f->hour == h &&
                    f->minute == mi && f->second == s)
            << y << "-" << mo << "-" << d << " " << h << ":" << mi << ":" << s;
        ASSERT_EQ(f->dayOfWeek, previousWeekday % 7 + 1);
        previous = *value;
        previousWeekday = f->dayOfWeek;
        ++checked;
      }
    }
  }
  EXPECT_EQ(checked, 3615900);  // kMaxDateTime - kMinDateTime + 1
}

TEST(ClampDateTime, PullsValuesIntoTheRange) {
  EXPECT_EQ(ClampDateTime(2958465.999988426), kMaxDateTime);
  EXPECT_EQ(ClampDateTime(-1e9), kMinDateTime);
  EXPECT_EQ(ClampDateTime(-1.25), -1.25);
  EXPECT_EQ(ClampDateTime(std::numeric_limits<double>::infinity()), kMaxDateTime);
  EXPECT_EQ(ClampDateTime(std::numeric_limits<double>::quiet_NaN()), kMinDateTime);
}

TEST(LinearDays, MakesNegativeValuesContinuous) {
  EXPECT_EQ(LinearDays(-1.25), -0.75);
  EXPECT_EQ(LinearDays(-1.75), -0.25);
  EXPECT_EQ(LinearDays(-2.0), -2.0);
  EXPECT_EQ(LinearDays(2.5), 2.5);
  EXPECT_LT(LinearDays(At(1899, 12, 29, 6)), LinearDays(At(1899, 12, 29, 18)));
}

TEST(CurrentDateTime, IsTheLocalClockInWholeSeconds) {
  const std::time_t before = std::time(nullptr);
  const DateTime now = CurrentDateTime();
  const std::time_t after = std::time(nullptr);
  ASSERT_NE(now, kNoDateTime);
  const auto f = FieldsFromDateTime(now);
  ASSERT_TRUE(f.has_value());
  // Whole seconds: rebuilding from the fields gives the very same value.
  EXPECT_EQ(*DateTimeFromFields(f->year, f->month, f->day, f->hour, f->minute, f->second), now);
  std::tm local{};
  localtime_r(&before, &local);
  const DateTime lower = At(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                            local.tm_min, local.tm_sec);
  localtime_r(&after, &local);
  const DateTime upper = At(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                            local.tm_min, local.tm_sec);
  EXPECT_GE(LinearDays(now), LinearDays(lower));
  EXPECT_LE(LinearDays(now), LinearDays(upper));
}

}  // namespace
}  // namespace pellomi
