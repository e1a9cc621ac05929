#include "caption_keeper.h"

#include <cmath>
#include <memory>

#include "countdown_caption.h"
#include "form/memory_service.h"

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

std::optional<std::string> CaptionKeeper::Recount(DateTime now) {
  countedAt_ = now;
  char* block = BuildCountdownCaption(now, target_);
  std::string caption(block);
  ReleaseBlock(block);
  if (caption == shown_) return std::nullopt;
  shown_ = caption;
  return caption;
}

std::optional<std::string> CaptionKeeper::RecountIfDue(DateTime now) {
  if (countedAt_ && !CountMayHaveChanged(*countedAt_, now)) return std::nullopt;
  return Recount(now);
}

}  // namespace pellomi
