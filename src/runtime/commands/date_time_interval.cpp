#include <cmath>
#include <cstdint>
#include <limits>

#include "commands/date_time.h"

namespace pellomi {
namespace {

// The same half second that reading fields rounds with; it keeps d*86400 from landing a hair
// below a whole second.
constexpr double kTolerance = 5.787037037037037e-06;

// Whole units of a span, truncated toward zero. The tolerance is applied away from zero so that
// a negative span gives exactly the negation of the positive one; counts beyond 32 bits saturate.
std::int32_t WholeUnits(double days, double unitsPerDay) {
  const double product = days * unitsPerDay;
  const double adjusted = product >= 0 ? product + kTolerance : product - kTolerance;
  const double whole = std::trunc(adjusted);
  if (whole >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (whole <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(whole);
}

std::int32_t WeeksBetween(DateTime a, DateTime b, double span) {
  std::int32_t weeks = TruncateToInt(span) / 7;
  const int weekdayA = FieldsFromDateTime(a)->dayOfWeek;
  const int weekdayB = FieldsFromDateTime(b)->dayOfWeek;
  const double linearA = LinearDays(a);
  const double linearB = LinearDays(b);
  // A partial week that crosses a week boundary counts as one more week.
  if (linearA > linearB && weekdayA < weekdayB) return weeks + 1;
  if (linearA < linearB && weekdayB < weekdayA) return weeks - 1;
  return weeks;
}

}  // namespace

double DateTimeInterval(DateTime time1, DateTime time2, std::int32_t unit) {
  if (unit > kIntervalSeconds) unit = kIntervalSeconds;
  if (unit < kIntervalYears) unit = kIntervalYears;
  const DateTime a = ClampDateTime(time1);
  const DateTime b = ClampDateTime(time2);
  if (time1 == time2) return 0.0;

  if (unit <= kIntervalMonths) {
    // Both operands are clamped, so reading their fields cannot fail.
    const DateTimeFields fa = *FieldsFromDateTime(a);
    const DateTimeFields fb = *FieldsFromDateTime(b);
    const int years = fa.year - fb.year;
    if (unit == kIntervalYears) return years;
    if (unit == kIntervalQuarters) return 4 * years + (fa.month - 1) / 3 - (fb.month - 1) / 3;
    return 12 * years + fa.month - fb.month;
  }

  const double span = LinearDays(a) - LinearDays(b);
  switch (unit) {
    case kIntervalWeeks:
      return WeeksBetween(a, b, span);
    case kIntervalDays:
      return span;
    case kIntervalHours:
      return WholeUnits(span, 24.0);
    case kIntervalMinutes:
      return WholeUnits(span, 1440.0);
    default:
      return WholeUnits(span, 86400.0);
  }
}

}  // namespace pellomi
