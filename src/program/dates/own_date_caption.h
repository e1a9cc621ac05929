#pragma once
// The caption of a date the user gave (GBK): "还有N天" before the day, N calendar days from
// today (1 on the day before); "就是今天" on the day; "已过N天" after a one-off date (1 on the
// day after). A yearly date moves on to its next day instead. The caption turns at 00:00:00.
#include <optional>
#include <string>

#include "commands/date_time.h"
#include "dates/target_date.h"

namespace pellomi {

inline constexpr char kTodayCaption[] = "\xBE\xCD\xCA\xC7\xBD\xF1\xCC\xEC";  // 就是今天
inline constexpr char kPastCaptionPrefix[] = "\xD2\xD1\xB9\xFD";             // 已过

// None when the target has no day on the day of `now` (a yearly lunar date past the table).
std::optional<std::string> OwnDateCaption(const TargetDate& target, DateTime now);

}  // namespace pellomi
