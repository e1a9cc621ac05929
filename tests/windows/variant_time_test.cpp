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

#include "commands/date_time.h"

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

struct Fields {
  int y, mo, d, h, mi, s, w;
  bool operator==(const Fields&) const = default;
};

std::string Describe(const Fields& f) {
  char text[64];
  std::snprintf(text, sizeof text, "%d-%d-%d %d:%d:%d weekday %d", f.y, f.mo, f.d, f.h, f.mi, f.s,
                f.w);
  return text;
}

Fields FromSystem(const SYSTEMTIME& st) {
  return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wDayOfWeek + 1};
}

// One second later, carried through the calendar by hand.
Fields NextSecond(Fields f) {
  f.w = f.w % 7 + 1;  // changes only if the day does; fixed below otherwise
  if (++f.s < 60) return f.w = (f.w + 5) % 7 + 1, f;
  f.s = 0;
  if (++f.mi < 60) return f.w = (f.w + 5) % 7 + 1, f;
  f.mi = 0;
  if (++f.h < 24) return f.w = (f.w + 5) % 7 + 1, f;
  f.h = 0;
  if (++f.d <= DaysInMonth(f.y, f.mo)) return f;
  f.d = 1;
  if (++f.mo <= 12) return f;
  f.mo = 1;
  ++f.y;
  return f;
}

TEST(VariantTime, ValueToFieldsMatchesVariantTimeToSystemTime) {
  long compared = 0, oursWrong = 0, systemWrong = 0, systemStaleWeekday = 0;
  long systemWrongMonthEnd = 0, onlyOursDefined = 0, onlySystemDefined = 0;
  // `expected` is the value's date and time moved to the nearest second.
  auto check = [&](double value, const Fields& expected) {
    SYSTEMTIME st{};
    const bool systemOk = VariantTimeToSystemTime(value, &st) != 0;
    const auto f = FieldsFromDateTime(value);
    if (systemOk != f.has_value()) {
      long& count = systemOk ? onlySystemDefined : onlyOursDefined;
      if (++count <= 5) {
        std::printf("%.17g is defined by %s only (%s)\n", value, systemOk ? "the system" : "us",
                    Describe(systemOk ? FromSystem(st) : expected).c_str());
      }
    }
    if (!f) return;
    const Fields ours{f->year, f->month, f->day, f->hour, f->minute, f->second, f->dayOfWeek};
    if (ours != expected && ++oursWrong <= 10) {
      ADD_FAILURE() << value << " reads " << Describe(ours) << ", not " << Describe(expected);
    }
    if (!systemOk) return;
    ++compared;
    const Fields theirs = FromSystem(st);
    if (theirs == expected) return;
    ++systemWrong;
    Fields sameWeekday = expected;
    sameWeekday.w = theirs.w;
    if (theirs == sameWeekday) {
      ++systemStaleWeekday;
    } else if (expected.d == 1 && expected.h == 0 && expected.mi == 0 && expected.s == 0) {
      ++systemWrongMonthEnd;
      if (systemWrongMonthEnd <= 3) {
        std::printf("%.17g: the system reads %s, nearest second %s\n", value,
                    Describe(theirs).c_str(), Describe(expected).c_str());
      }
    } else if (systemWrong - systemStaleWeekday - systemWrongMonthEnd <= 10) {
      ADD_FAILURE() << value << ": the system reads " << Describe(theirs) << ", we read "
                    << Describe(ours);
    }
  };
  ForEachSample([&](int y, int mo, int d, int h, int mi, int s) {
    const double value = *DateTimeFromFields(y, mo, d, h, mi, s);
    const Fields exact{y, mo, d, h, mi, s, FieldsFromDateTime(std::trunc(value))->dayOfWeek};
    check(value, exact);
    // A quarter and three quarters of a second later: the fields round to the nearest second.
    const double later = value < 0 ? -1.0 : 1.0;
    check(value + later * 0.25 / 86400, exact);
    check(value + later * 0.75 / 86400, NextSecond(exact));
  });
  std::printf(
      "value to fields: %ld compared; we differ from the nearest second %ld times; the system "
      "differs %ld times: %ld in the weekday only, %ld with a wrong date at a month's end, %ld "
      "otherwise; %ld values defined by us only, %ld by the system only\n",
      compared, oursWrong, systemWrong, systemStaleWeekday, systemWrongMonthEnd,
      systemWrong - systemStaleWeekday - systemWrongMonthEnd, onlyOursDefined, onlySystemDefined);
  EXPECT_EQ(oursWrong, 0);
  EXPECT_EQ(onlyOursDefined, 0);
  EXPECT_EQ(systemWrong - systemStaleWeekday - systemWrongMonthEnd, 0);
  EXPECT_GT(compared, 3615900L * 8);
}

}  // namespace
}  // namespace pellomi
