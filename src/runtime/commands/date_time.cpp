#include "commands/date_time.h"

#include <cmath>

namespace pellomi {
namespace {

// The double nearest to 1/86400: the time of day is built by multiplying with it.
constexpr double kDayPerSecond = 1.1574074074074073e-05;
// Half a second in days; reading fields moves the value to the nearest second.
constexpr double kHalfSecond = 5.787037037037037e-06;
// n of 1899-12-30 in the day-number formula below.
constexpr long kDayZero = 693959;
// Days from 0000-03-01 to 1899-12-30 in the civil-date reckoning below.
constexpr long kDayZeroFromMarchYear0 = 693899;

constexpr int kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr int kDaysOfMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

struct CivilDate {
  long year;
  int month;
  int day;
};

// Proleptic Gregorian date of a day number counted from 0000-03-01 (years start in March so the
// leap day falls at the end of each year).
CivilDate CivilFromMarchDays(long days) {
  const long era = (days >= 0 ? days : days - 146096) / 146097;
  const long dayOfEra = days - era * 146097;
  const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long monthFromMarch = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
  const int month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
  return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

}  // namespace

bool IsLeapYear(unsigned year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(unsigned year, unsigned month) {
  if (month < 1 || month > 12) return 0;
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDaysOfMonth[month - 1];
}

std::optional<DateTime> DateTimeFromFields(std::uint16_t year, std::uint16_t month,
                                           std::uint16_t day, std::uint16_t hour,
                                           std::uint16_t minute, std::uint16_t second) {
  if (year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
      hour > 23 || minute > 59 || second > 59) {
    return std::nullopt;
  }
  long n = 365L * year + year / 4 - year / 100 + year / 400 + kDaysBeforeMonth[month - 1] + day;
  if (month <= 2 && IsLeapYear(year)) --n;
  n -= kDayZero;
  const double t = static_cast<double>(3600 * hour + 60 * minute + second) * kDayPerSecond;
  const double days = static_cast<double>(n);
  return n >= 0 ? days + t : days - t;
}

std::optional<DateTimeFields> FieldsFromDateTime(DateTime value) {
  // Written so that NaN fails as well.
  if (!(value >= kMinDateTime && value <= kMaxDateTime)) return std::nullopt;
  const double r = value > 0 ? value + kHalfSecond : value - kHalfSecond;
  long dayNumber = static_cast<long>(std::trunc(r));
  const double magnitude = std::fabs(r);
  int seconds = static_cast<int>((magnitude - std::floor(magnitude)) * 86400.0);
  // Before day 0 the half second moves the value away from zero, and in the last half second of
  // a day that lands on the day before instead of the day after: the nearest second is 00:00:00
  // of the following day.
  if (value < 0 && dayNumber != static_cast<long>(std::trunc(value))) {
    dayNumber = static_cast<long>(std::trunc(value)) + 1;
    seconds = 0;
  }

  const CivilDate date = CivilFromMarchDays(dayNumber + kDayZeroFromMarchYear0);
  DateTimeFields fields;
  fields.year = static_cast<int>(date.year);
  fields.month = date.month;
  fields.day = date.day;
  fields.hour = seconds / 3600;
  fields.minute = seconds / 60 % 60;
  fields.second = seconds % 60;
  // Day 0 was a Saturday (7).
  fields.dayOfWeek = static_cast<int>((dayNumber % 7 + 7 + 6) % 7) + 1;
  return fields;
}

DateTime ClampDateTime(DateTime value) {
  if (value > kMaxDateTime) return kMaxDateTime;
  if (value >= kMinDateTime) return value;
  return kMinDateTime;  // below the range, or NaN
}

double LinearDays(DateTime value) {
  if (value >= 0) return value;
  return 2.0 * std::ceil(value) - value;
}

}  // namespace pellomi
