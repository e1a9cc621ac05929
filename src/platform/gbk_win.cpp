#include "gbk_win.h"

#include <windows.h>

namespace pellomi::platform {

std::wstring WideFromGbk(std::string_view gbk) {
  if (gbk.empty()) return {};
  int length = static_cast<int>(gbk.size());
  int needed = MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), length, wide.data(), needed);
  return wide;
}

std::string GbkFromWide(std::wstring_view wide) {
  if (wide.empty()) return {};
  int length = static_cast<int>(wide.size());
  int needed =
      WideCharToMultiByte(kGbkCodePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string gbk(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(kGbkCodePage, 0, wide.data(), length, gbk.data(), needed, nullptr, nullptr);
  return gbk;
}

std::optional<std::string> ExactGbkFromWide(std::wstring_view wide) {
  if (wide.empty()) return std::string();
  const int length = static_cast<int>(wide.size());
  BOOL usedDefault = FALSE;
  const int needed = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), length,
                                         nullptr, 0, nullptr, &usedDefault);
  if (needed <= 0 || usedDefault) return std::nullopt;
  std::string gbk(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), length, gbk.data(), needed,
                      nullptr, &usedDefault);
  // The way back must give the very same text: nothing was replaced by a look-alike.
  if (usedDefault || WideFromGbk(gbk) != wide) return std::nullopt;
  return gbk;
}

}  // namespace pellomi::platform
