#include "tray/tray_record.h"

#include <algorithm>

namespace pellomi {
namespace {

bool IsGbkLead(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}
bool IsGbkTrail(unsigned char byte) {
  return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

TrayRecord MakeShownRecord(const char* tooltip) {
  TrayRecord record;
  record.flags = kTrayFlagsShown;
  record.callbackMessage = kTrayCallbackMessage;
  record.carriesIcon = true;
  if (tooltip != nullptr) {
    const std::string_view text(tooltip);
    const std::size_t length = GbkPrefixLength(text, kTrayTipLimit);
    std::copy_n(text.data(), length, record.tip.data());
  }
  return record;
}

}  // namespace

std::size_t GbkPrefixLength(std::string_view gbk, std::size_t limit) {
  std::size_t position = 0;
  while (position < gbk.size()) {
    const auto byte = static_cast<unsigned char>(gbk[position]);
    std::size_t width = 1;
    if (IsGbkLead(byte) && position + 1 < gbk.size() &&
        IsGbkTrail(static_cast<unsigned char>(gbk[position + 1]))) {
      width = 2;
    }
    if (position + width > limit) break;
    position += width;
  }
  return position;
}

TrayRecord MakeTrayAddRecord(const char* tooltip) {
  return MakeShownRecord(tooltip);
}

TrayRecord MakeTrayModifyRecord(const char* tooltip) {
  return MakeShownRecord(tooltip);
}

TrayRecord MakeTrayDeleteRecord() {
  return TrayRecord{};
}

std::string_view TrayRecordTip(const TrayRecord& record) {
  const auto end = std::find(record.tip.begin(), record.tip.end(), '\0');
  return std::string_view(record.tip.data(), static_cast<std::size_t>(end - record.tip.begin()));
}

}  // namespace pellomi
