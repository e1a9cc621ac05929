// Cross-checks the date-time conversions against the system's own OLE date functions.
#include <windows.h>
// Needs the types of windows.h.
#include <oleauto.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "countdown/date_time.h"

namespace pellomi {
namespace {

// Calls `visit(value, year, month, day, hour, minute, second)` for every day of the range at
// midnight, at 23:59:59 and at one time of day that moves through the day from date to date.
template <typename Visit>
void ForEachSample(Visit visit) {
  long index = 0;
  for (int y = 100; y <= 9999; ++y) {
    for (int mo = 1; mo <= 12; ++mo) {
      for (int d = 1; d <= DaysInMonth(y, mo); ++d, ++index) {
        const bool lastDay = y == 9999 && mo == 12 && d == 31;
        const int moving = static_cast<int>((index * 7919LL) % 86400);
        const int times[3] = {0, 86399, moving};
        // Later than midnight of the last day lies beyond the range.
        for (int i = 0; i < (lastDay ? 1 : 3); ++i) {
          const int s = times[i];
          visit(y, mo, d, s / 3600, s / 60 % 60, s % 60);
        }
      }
    }
  }
}

SYSTEMTIME SystemTimeOf(int y, int mo, int d, int h, int mi, int s) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(y);
  st.wMonth = static_cast<WORD>(mo);
  st.wDay = static_cast<WORD>(d);
  st.wHour = static_cast<WORD>(h);
  st.wMinute = static_cast<WORD>(mi);
  st.wSecond = static_cast<WORD>(s);
  return st;
}

std::int64_t UlpDistance(double a, double b) {
  std::int64_t ia, ib;
  std::memcpy(&ia, &a, sizeof a);
  std::memcpy(&ib, &b, sizeof b);
  if (ia < 0) ia = INT64_MIN - ia;
  if (ib < 0) ib = INT64_MIN - ib;
  return ia > ib ? ia - ib : ib - ia;
}

TEST(VariantTime, FieldsToValueMatchesSystemTimeToVariantTime) {
  long compared = 0, exact = 0, systemFailed = 0, beyondOneUlp = 0;
  std::int64_t worstUlps = 0;
  ForEachSample([&](int y, int mo, int d, int h, int mi, int s) {
    SYSTEMTIME st = SystemTimeOf(y, mo, d, h, mi, s);
    double expected = 0;
    if (!SystemTimeToVariantTime(&st, &expected)) {
      ++systemFailed;
      return;
    }
    const auto value = DateTimeFromFields(y, mo, d, h, mi, s);
    ASSERT_TRUE(value.has_value());
    ++compared;
    if (*value == expected) {
      ++exact;
      return;
    }
    const std::int64_t ulps = UlpDistance(*value, expected);
    if (ulps > worstUlps) worstUlps = ulps;
    if (ulps > 1) {
      ++beyondOneUlp;
      if (beyondOneUlp <= 10) {
        ADD_FAILURE() << y << "-" << mo << "-" << d << " " << h << ":" << mi << ":" << s
                      << " gives " << *value << ", the system " << expected;
      }
    }
  });
  std::printf(
      "fields to value: %ld compared, %ld exactly equal, %ld differ in the last bit only, "
      "%ld differ by more, worst %lld ulp; %ld samples the system rejected\n",
      compared, exact, compared - exact - beyondOneUlp, beyondOneUlp,
      static_cast<long long>(worstUlps), systemFailed);
  EXPECT_EQ(systemFailed, 0);
  EXPECT_EQ(beyondOneUlp, 0);
  EXPECT_EQ(compared, 3615900L * 3 - 2);
}

std::string Describe(double value, int y, int mo, int d, int h, int mi, int s, int w) {
  char text[128];
  std::snprintf(text, sizeof text, "%a (%.17g): %d-%d-%d %d:%d:%d weekday %d", value, value, y, mo,
                d, h, mi, s, w);
  return text;
}

TEST(VariantTime, ValueToFieldsMatchesVariantTimeToSystemTime) {
  long compared = 0, fieldsDiffer = 0, weekdayDiffers = 0, weekdayOfUnroundedDay = 0;
  long onlyOursDefined = 0, onlySystemDefined = 0;
  auto check = [&](double value) {
    SYSTEMTIME st{};
    const bool systemOk = VariantTimeToSystemTime(value, &st) != 0;
    const auto f = FieldsFromDateTime(value);
    if (systemOk != f.has_value()) {
      long& count = systemOk ? onlySystemDefined : onlyOursDefined;
      if (++count <= 5) {
        std::printf("defined by %s only: %s\n", systemOk ? "the system" : "us",
                    Describe(value, st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond,
                             st.wDayOfWeek + 1)
                        .c_str());
      }
    }
    if (!systemOk || !f) return;
    ++compared;
    const std::string ours =
        Describe(value, f->year, f->month, f->day, f->hour, f->minute, f->second, f->dayOfWeek);
    const std::string theirs = Describe(value, st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute,
                                        st.wSecond, st.wDayOfWeek + 1);
    if (f->year != st.wYear || f->month != st.wMonth || f->day != st.wDay || f->hour != st.wHour ||
        f->minute != st.wMinute || f->second != st.wSecond) {
      if (++fieldsDiffer <= 10) ADD_FAILURE() << "ours " << ours << "\nthe system " << theirs;
    } else if (f->dayOfWeek != st.wDayOfWeek + 1) {
      ++weekdayDiffers;
      // The weekday of the day the value lies in, before rounding to the second moved it.
      if (FieldsFromDateTime(std::trunc(value))->dayOfWeek == st.wDayOfWeek + 1) {
        ++weekdayOfUnroundedDay;
      } else if (weekdayDiffers - weekdayOfUnroundedDay <= 10) {
        ADD_FAILURE() << "ours " << ours << "\nthe system " << theirs;
      }
    }
  };
  long wholeSecondWeekdayDiffers = 0;
  ForEachSample([&](int y, int mo, int d, int h, int mi, int s) {
    const double value = *DateTimeFromFields(y, mo, d, h, mi, s);
    const long before = weekdayDiffers;
    check(value);
    wholeSecondWeekdayDiffers += weekdayDiffers - before;
    // A quarter and three quarters of a second later: the fields round to the nearest second.
    const double later = value < 0 ? -1.0 : 1.0;
    check(value + later * 0.25 / 86400);
    check(value + later * 0.75 / 86400);
  });
  std::printf(
      "value to fields: %ld compared, %ld differ in date or time; %ld differ in the weekday only "
      "(%ld at whole seconds), of which %ld give the system the weekday of the day before "
      "rounding; %ld values defined by us only, %ld by the system only\n",
      compared, fieldsDiffer, weekdayDiffers, wholeSecondWeekdayDiffers, weekdayOfUnroundedDay,
      onlyOursDefined, onlySystemDefined);
  EXPECT_EQ(fieldsDiffer, 0);
  EXPECT_EQ(wholeSecondWeekdayDiffers, 0);
  // Where a value rounds into the next day, the system keeps the weekday of the day it started
  // in; the weekday that goes with the rounded date is ours.
  EXPECT_EQ(weekdayDiffers, weekdayOfUnroundedDay);
  EXPECT_GT(compared, 3615900L * 8);
}

}  // namespace
}  // namespace pellomi
