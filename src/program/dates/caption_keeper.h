#pragma once
// Keeps the countdown caption true while the widget runs: through midnights, clock changes and
// sleep, without writing (and so repainting) the label when nothing changed.
#include <optional>
#include <string>

#include "commands/date_time.h"
#include "dates/target_date.h"

namespace pellomi {

// Whether the count at `now` can differ from the count at `previous`. The count steps one second
// after each local midnight (00:00:00 exactly still counts like the day before), so it is the
// same over each span from 00:00:01 of one day through 00:00:00 of the next; only a move into
// another span, forwards or backwards, can change it.
bool CountMayHaveChanged(DateTime previous, DateTime now);

class CaptionKeeper {
 public:
  // The count without options, to a fixed midnight.
  explicit CaptionKeeper(DateTime target) : target_(target) {}
  // A date the user gave; its caption turns at 00:00:00, with the calendar day.
  explicit CaptionKeeper(const TargetDate& ownDate) : ownDate_(ownDate) {}

  // Computes the caption for `now`; the text (GBK) when it differs from the one last handed
  // out, the first time always.
  std::optional<std::string> Recount(DateTime now);
  // The same, but only when the count may have changed since the last computation.
  std::optional<std::string> RecountIfDue(DateTime now);

 private:
  bool MayHaveChanged(DateTime previous, DateTime now) const;

  DateTime target_ = 0;
  std::optional<TargetDate> ownDate_;
  std::optional<DateTime> countedAt_;
  std::string shown_;
};

}  // namespace pellomi
