#pragma once
// What --target names: one day, or a month and day that come back every year, in the Gregorian
// or the lunar calendar; and the day that the count refers to on a given day.
#include <optional>
#include <string_view>
#include <variant>

#include "commands/date_time.h"

namespace pellomi {

struct OnceDate {
  DateTime day = 0;  // local midnight
  friend bool operator==(const OnceDate&, const OnceDate&) = default;
};
struct YearlyDate {
  int month = 0;
  int day = 0;  // 2月29日 falls on 28 February in a year without it
  friend bool operator==(const YearlyDate&, const YearlyDate&) = default;
};
struct YearlyLunarDate {
  int month = 0;  // always the ordinary month, never the leap one
  int day = 0;    // 三十 falls on 廿九 in a year whose month has 29 days
  friend bool operator==(const YearlyLunarDate&, const YearlyLunarDate&) = default;
};
using TargetDate = std::variant<OnceDate, YearlyDate, YearlyLunarDate>;

enum class TargetDateProblem { kNotADate, kLunarYearOutOfRange };
using TargetDateParse = std::variant<TargetDate, TargetDateProblem>;

// Reads a date text (GBK): a full date in any form the date-time reader takes, a month and day
// without a year (6/7, 06-07, 6月7日), 农历 with or without a year (农历2027年正月初一,
// 农历闰四月初八, 农历腊月三十), or a festival (春节, 元宵, 端午, 七夕, 中秋, 重阳, 除夕, 元旦).
TargetDateParse ParseTargetDate(const char* text);

// Local midnight at the start of the day that holds `now`; none outside the date-time range.
std::optional<DateTime> StartOfDay(DateTime now);

// The day the count refers to on the day that holds `now`: a one-off date's own day, past or
// not; a yearly date's next day, today included. None past the lunar table's last year.
std::optional<DateTime> TargetDayFrom(const TargetDate& target, DateTime now);

}  // namespace pellomi
