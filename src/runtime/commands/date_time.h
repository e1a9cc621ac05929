#pragma once
// The date-time value: days since 1899-12-30 00:00:00 as a double, the fraction being the time of
// day (for negative values the magnitude of the fraction is still the time of day).
#include <cstdint>
#include <optional>

namespace pellomi {

using DateTime = double;

inline constexpr DateTime kMinDateTime = -657434.0;  // 0100-01-01 00:00:00
inline constexpr DateTime kMaxDateTime = 2958465.0;  // 9999-12-31 00:00:00
// What a failed conversion from text gives; indistinguishable from kMinDateTime on purpose.
inline constexpr DateTime kNoDateTime = kMinDateTime;

struct DateTimeFields {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int dayOfWeek = 0;  // 1 Sunday .. 7 Saturday
};

enum IntervalUnit : std::int32_t {
  kIntervalYears = 1,
  kIntervalQuarters = 2,
  kIntervalMonths = 3,
  kIntervalWeeks = 4,
  kIntervalDays = 5,
  kIntervalHours = 6,
  kIntervalMinutes = 7,
  kIntervalSeconds = 8,
};

bool IsLeapYear(unsigned year);
// Days of a month (1..12) in the given year.
int DaysInMonth(unsigned year, unsigned month);

// Empty when a field is out of range (year above 9999, impossible date or time).
std::optional<DateTime> DateTimeFromFields(std::uint16_t year, std::uint16_t month,
                                           std::uint16_t day, std::uint16_t hour,
                                           std::uint16_t minute, std::uint16_t second);
// The fields of the value moved to the nearest second; empty outside the range (or NaN).
std::optional<DateTimeFields> FieldsFromDateTime(DateTime value);

// Pulls a value into [kMinDateTime, kMaxDateTime]; NaN counts as kMinDateTime.
DateTime ClampDateTime(DateTime value);
// The continuous day number used for differences and ordering.
double LinearDays(DateTime value);

// The local wall clock in whole seconds, as the installed clock source reads it
// (clock_source.h).
DateTime CurrentDateTime();

// time1 - time2 in the given unit (clamped to 1..8).
double DateTimeInterval(DateTime time1, DateTime time2, std::int32_t unit);

// The floor of a day count, treating values within about 1e-12 of the next whole number away
// from zero as that number.
std::int32_t FloorWithTolerance(double x);

// Truncation toward zero into a 64-bit integer; NaN and values beyond the 64-bit range give
// INT64_MIN, the processor's "integer indefinite".
std::int64_t TruncateToInt64(double x);
// The same, keeping the low 32 bits as a 32-bit destination does.
std::int32_t TruncateToInt(double x);

}  // namespace pellomi
