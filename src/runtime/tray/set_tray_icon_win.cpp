#include "tray/set_tray_icon_win.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "tray/icon_file_win.h"
#include "tray/icon_from_ico_win.h"
#include "tray/icon_source.h"

namespace pellomi {
namespace {

platform::UniqueIcon IconFromBytes(const std::uint8_t* bytes, std::size_t length) {
  if (length == 0) return {};
  // The shell draws the icon at the small-icon size.
  return IconFromIcoBytes(bytes, length, GetSystemMetrics(SM_CXSMICON));
}

}  // namespace

void SetTrayIcon(TrayIcon& tray, HWND window, const TypedValue& source, const TypedValue* tooltip) {
  platform::UniqueIcon icon;
  if (source.Is(ValueKind::kText)) {
    const std::vector<std::uint8_t> file = ReadIconFile(source.AsText());
    icon = IconFromBytes(file.data(), file.size());
  } else {
    const ByteSpan bytes = ByteArrayContents(source);
    icon = IconFromBytes(bytes.data, bytes.size);
  }
  const char* tip = nullptr;
  if (tooltip != nullptr && tooltip->Is(ValueKind::kText)) tip = tooltip->AsText();
  tray.Update(window, std::move(icon), tip);
}

}  // namespace pellomi
