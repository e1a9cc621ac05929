#pragma once
// The box that asks before the widget exits.
#include <cstdint>

#include "message_box/message_box_rules.h"

namespace pellomi {

inline constexpr char kExitQuestion[] =  // 确定要退出程序？
    "\xC8\xB7\xB6\xA8\xD2\xAA\xCD\xCB\xB3\xF6\xB3\xCC\xD0\xF2\xA3\xBF";
inline constexpr char kExitCaption[] = "\xCC\xE1\xCA\xBE";  // 提示
inline constexpr std::int32_t kOkCancelQuestion = kOkCancelStyle | kQuestionIconStyle;

}  // namespace pellomi
