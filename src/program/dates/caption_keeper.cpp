#include "dates/caption_keeper.h"

#include <cmath>
#include <memory>

#include "dates/countdown_caption.h"
#include "dates/own_date_caption.h"
#include "values/memory_service.h"

namespace pellomi {
namespace {

// The span of constant count that holds `value`: the count at `value` is the target's day number
// minus this.
double CountSpan(DateTime value) {
  return std::ceil(LinearDays(ClampDateTime(value)));
}

}  // namespace

bool CountMayHaveChanged(DateTime previous, DateTime now) {
  return CountSpan(previous) != CountSpan(now);
}

bool CaptionKeeper::MayHaveChanged(DateTime previous, DateTime now) const {
  if (!ownDate_) return CountMayHaveChanged(previous, now);
  return StartOfDay(previous) != StartOfDay(now);
}

std::optional<std::string> CaptionKeeper::Recount(DateTime now) {
  countedAt_ = now;
  std::string caption;
  if (ownDate_) {
    // Past the lunar table a yearly lunar date has no next day: the last caption stays.
    caption = OwnDateCaption(*ownDate_, now).value_or(shown_);
  } else {
    char* block = BuildCountdownCaption(now, target_);
    caption = block;
    ReleaseBlock(block);
  }
  if (caption == shown_) return std::nullopt;
  shown_ = caption;
  return caption;
}

std::optional<std::string> CaptionKeeper::RecountIfDue(DateTime now) {
  if (countedAt_ && !MayHaveChanged(*countedAt_, now)) return std::nullopt;
  return Recount(now);
}

}  // namespace pellomi
