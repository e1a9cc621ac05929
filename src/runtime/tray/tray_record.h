#pragma once
// The notification-area record as plain data, before it meets the shell: which fields an add, a
// modify and a delete carry, and the tooltip as it fits in the record.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pellomi {

inline constexpr std::uint32_t kTrayIconId = 100;
inline constexpr std::uint32_t kTrayCallbackMessage = 0x8000u + 100u;  // WM_APP + 100

// The record's first, smallest form.
inline constexpr std::uint32_t kTrayRecordSize = 88;
inline constexpr std::size_t kTrayTipBytes = 64;
// Room for the tooltip's bytes; the rest of the field stays zero.
inline constexpr std::size_t kTrayTipLimit = 62;

inline constexpr std::uint32_t kTrayFlagMessage = 0x1u;  // NIF_MESSAGE
inline constexpr std::uint32_t kTrayFlagIcon = 0x2u;     // NIF_ICON
inline constexpr std::uint32_t kTrayFlagTip = 0x4u;      // NIF_TIP
inline constexpr std::uint32_t kTrayFlagsShown = kTrayFlagMessage | kTrayFlagIcon | kTrayFlagTip;

struct TrayRecord {
  std::uint32_t iconId = kTrayIconId;
  std::uint32_t flags = 0;
  std::uint32_t callbackMessage = 0;
  bool carriesIcon = false;  // hIcon is the new icon (add, modify) or 0 (delete)
  std::array<char, kTrayTipBytes> tip{};
};

// Length of the longest prefix of a GBK text that fits `limit` bytes without splitting a
// double-byte character.
std::size_t GbkPrefixLength(std::string_view gbk, std::size_t limit);

// `tooltip` may be null (no tooltip: the field stays zero).
TrayRecord MakeTrayAddRecord(const char* tooltip);
TrayRecord MakeTrayModifyRecord(const char* tooltip);
TrayRecord MakeTrayDeleteRecord();

// The tooltip bytes held by a record, up to the first zero.
std::string_view TrayRecordTip(const TrayRecord& record);

}  // namespace pellomi
