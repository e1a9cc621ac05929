#include "countdown_caption.h"

#include <memory>

#include "commands/text_ops.h"
#include "commands/text_to_date_time.h"
#include "commands/value_to_text.h"
#include "form/memory_service.h"

namespace pellomi {
namespace {

struct BlockRelease {
  void operator()(char* block) const { ReleaseBlock(block); }
};

}  // namespace

std::int32_t CountdownDayCount(DateTime now) {
  const DateTime target = TextToDateTime(TypedValue::Text(kTargetDateText));
  // Target first, now second: the days still to come.
  const double span = DateTimeInterval(target, now, kIntervalDays);
  return FloorWithTolerance(span);
}

char* BuildCountdownCaption(DateTime now) {
  const std::unique_ptr<char, BlockRelease> digits(
      ValueToText(TypedValue::Integer(CountdownDayCount(now))));
  return ConcatTexts({kCaptionPrefix, digits.get(), kCaptionSuffix});
}

}  // namespace pellomi
