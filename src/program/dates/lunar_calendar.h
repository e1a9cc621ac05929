#pragma once
// Lunar dates and Gregorian days, both ways, over the years the lunar table holds.
#include <optional>

#include "commands/date_time.h"

namespace pellomi {

struct LunarDate {
  int year = 0;       // the Gregorian year in which the lunar year starts
  int month = 0;      // 1 (正月) .. 12 (腊月)
  bool leap = false;  // the leap month that follows `month`
  int day = 0;        // 1 (初一) .. 30 (三十)
  friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// Days of a lunar month (29 or 30); 0 when the year lies outside the table or has no such month.
int LunarMonthLength(int year, int month, bool leap);

// Local midnight of the day a lunar date names; none when the year lies outside the table or the
// year lacks that month or that day.
std::optional<DateTime> DayOfLunarDate(const LunarDate& date);

// The lunar date of the day that holds `value`; none outside the table.
std::optional<LunarDate> LunarDateOfDay(DateTime value);

}  // namespace pellomi
