#include "dates/own_date_caption.h"

#include <cmath>

#include "dates/countdown_caption.h"

namespace pellomi {

std::optional<std::string> OwnDateCaption(const TargetDate& target, DateTime now) {
  const std::optional<DateTime> today = StartOfDay(now);
  const std::optional<DateTime> day = TargetDayFrom(target, now);
  if (!today || !day) return std::nullopt;
  const long long days = std::llround(LinearDays(*day) - LinearDays(*today));
  if (days == 0) return kTodayCaption;
  if (days > 0) return kCaptionPrefix + std::to_string(days) + kCaptionSuffix;
  return kPastCaptionPrefix + std::to_string(-days) + kCaptionSuffix;
}

}  // namespace pellomi
