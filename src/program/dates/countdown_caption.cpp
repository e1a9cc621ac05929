#include "dates/countdown_caption.h"

#include <cmath>
#include <memory>

#include "commands/text_ops.h"
#include "commands/text_to_date_time.h"
#include "commands/value_to_text.h"
#include "values/memory_service.h"

namespace pellomi {
namespace {

struct BlockRelease {
  void operator()(char* block) const { ReleaseBlock(block); }
};

}  // namespace

std::optional<DateTime> CountdownTargetFromText(const char* text) {
  const DateTime parsed = TextToDateTime(text);
  if (parsed == kNoDateTime) return std::nullopt;
  // The integer part is the day, for negative values too; the time of day is dropped.
  return std::trunc(parsed);
}

DateTime DefaultCountdownTarget() {
  return *CountdownTargetFromText(kTargetDateText);
}

std::int32_t CountdownDayCount(DateTime now, DateTime target) {
  // Target first, now second: the days still to come.
  const double span = DateTimeInterval(target, now, kIntervalDays);
  return FloorWithTolerance(span);
}

char* BuildCountdownCaption(DateTime now, DateTime target) {
  const std::unique_ptr<char, BlockRelease> digits(
      ValueToText(TypedValue::Integer(CountdownDayCount(now, target))));
  return ConcatTexts({kCaptionPrefix, digits.get(), kCaptionSuffix});
}

}  // namespace pellomi
