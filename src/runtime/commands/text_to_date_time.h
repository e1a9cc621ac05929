#pragma once
// Reading a date and time of day from text ("2024/06/07", "2024-6-7 8:05", "2024年6月7日8时").
#include <string>

#include "commands/date_time.h"
#include "values/typed_value.h"

namespace pellomi {

// Replaces the full-width forms of ASCII characters (and the ideographic space, "～", "☆", "★")
// by single bytes so the scan sees plain ASCII; a lone lead byte at the end is dropped.
std::string FoldFullWidth(const char* text);

// kNoDateTime when the text (null counts as empty) is no valid date.
DateTime TextToDateTime(const char* text);
// A date-time is returned as it is, a text is parsed, anything else gives kNoDateTime.
DateTime TextToDateTime(const TypedValue& value);

}  // namespace pellomi
