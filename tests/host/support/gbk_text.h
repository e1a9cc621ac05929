#pragma once
// Text conversions by the C library's iconv, standing in for the system's code page 936.
#include <optional>
#include <string>
#include <string_view>

namespace pellomi {

// None when a character has no place in the target encoding.
std::optional<std::string> ConvertText(const char* to, const char* from, std::string_view text);

// The GBK form of a UTF-16 text.
std::optional<std::string> IconvGbk(std::u16string_view text);
// The UTF-8 form of a UTF-16 text, "?" when it has none.
std::string Utf8Of(std::u16string_view text);

}  // namespace pellomi
