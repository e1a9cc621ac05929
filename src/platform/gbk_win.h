#pragma once
// Texts stay GBK inside the program; at the window-system boundary they become UTF-16 through an
// explicit code page 936 conversion, so they read right on every Windows locale.
#include <optional>
#include <string>
#include <string_view>

namespace pellomi::platform {

inline constexpr unsigned kGbkCodePage = 936;

std::wstring WideFromGbk(std::string_view gbk);
inline std::wstring WideFromGbk(const char* gbk) {
  return WideFromGbk(gbk == nullptr ? std::string_view() : std::string_view(gbk));
}
std::string GbkFromWide(std::wstring_view wide);
// The same, but none when GBK cannot hold a character exactly (no look-alike substitutes).
std::optional<std::string> ExactGbkFromWide(std::wstring_view wide);

}  // namespace pellomi::platform
