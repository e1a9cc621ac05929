#pragma once
// The caption of the countdown label: "还有" + days left until the target date + "天".
#include <cstdint>

#include "commands/date_time.h"

namespace pellomi {

inline constexpr char kTargetDateText[] = "2024/06/07";
inline constexpr char kCaptionPrefix[] = "\xBB\xB9\xD3\xD0";  // 还有
inline constexpr char kCaptionSuffix[] = "\xCC\xEC";          // 天

// Whole days from `now` to local midnight at the start of the target day: the count of calendar
// days at 00:00:00 exactly, one less at every later second of the day.
std::int32_t CountdownDayCount(DateTime now);

// The caption for `now`, as a new block that the caller releases.
char* BuildCountdownCaption(DateTime now);

}  // namespace pellomi
