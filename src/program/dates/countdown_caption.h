#pragma once
// The caption of the countdown label: "还有" + days left until the target date + "天".
#include <cstdint>
#include <optional>

#include "commands/date_time.h"

namespace pellomi {

inline constexpr char kTargetDateText[] = "2024/06/07";
inline constexpr char kCaptionPrefix[] = "\xBB\xB9\xD3\xD0";  // 还有
inline constexpr char kCaptionSuffix[] = "\xCC\xEC";          // 天

// Local midnight at the start of the day that a date text (GBK, any form TextToDateTime reads)
// names; none when the text is no date.
std::optional<DateTime> CountdownTargetFromText(const char* text);
// The target when none is given: midnight at the start of kTargetDateText.
DateTime DefaultCountdownTarget();

// Whole days from `now` to `target` (a local midnight): the count of calendar days at 00:00:00
// exactly, one less at every later second of the day.
std::int32_t CountdownDayCount(DateTime now, DateTime target);

// The caption for `now`, as a new block that the caller releases.
char* BuildCountdownCaption(DateTime now, DateTime target);

}  // namespace pellomi
