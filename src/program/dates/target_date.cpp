#include "dates/target_date.h"

#include <algorithm>
#include <initializer_list>

#include "dates/lunar_calendar.h"
#include "dates/lunar_table.h"

namespace pellomi {
namespace {

std::optional<DateTime> Midnight(int year, int month, int day) {
  if (year > 9999) return std::nullopt;
  return DateTimeFromFields(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                            static_cast<std::uint16_t>(day), 0, 0, 0);
}

std::optional<DateTime> NextDay(const YearlyDate& date, DateTime todayMidnight) {
  const int thisYear = FieldsFromDateTime(todayMidnight)->year;
  for (int year = thisYear; year <= thisYear + 1; ++year) {
    const int day = std::min(
        date.day, DaysInMonth(static_cast<unsigned>(year), static_cast<unsigned>(date.month)));
    const std::optional<DateTime> candidate = Midnight(year, date.month, day);
    if (candidate && *candidate >= todayMidnight) return candidate;
  }
  return std::nullopt;
}

std::optional<DateTime> NextDay(const YearlyLunarDate& date, DateTime todayMidnight) {
  const std::optional<LunarDate> today = LunarDateOfDay(todayMidnight);
  // Before the table its first year comes next; past it, both years fall short.
  const int year = today ? today->year : kLunarTableFirstYear;
  for (const int candidateYear : {year, year + 1}) {
    const int length = LunarMonthLength(candidateYear, date.month, false);
    if (length == 0) return std::nullopt;
    const std::optional<DateTime> candidate =
        DayOfLunarDate({candidateYear, date.month, false, std::min(date.day, length)});
    if (candidate && *candidate >= todayMidnight) return candidate;
  }
  return std::nullopt;
}

}  // namespace

std::optional<DateTime> StartOfDay(DateTime now) {
  const std::optional<DateTimeFields> fields = FieldsFromDateTime(now);
  if (!fields) return std::nullopt;
  return Midnight(fields->year, fields->month, fields->day);
}

std::optional<DateTime> TargetDayFrom(const TargetDate& target, DateTime now) {
  if (const auto* once = std::get_if<OnceDate>(&target)) return once->day;
  const std::optional<DateTime> today = StartOfDay(now);
  if (!today) return std::nullopt;
  if (const auto* yearly = std::get_if<YearlyDate>(&target)) return NextDay(*yearly, *today);
  return NextDay(std::get<YearlyLunarDate>(target), *today);
}

}  // namespace pellomi
