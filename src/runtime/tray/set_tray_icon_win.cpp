#include "tray/set_tray_icon_win.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "tray/icon_file_win.h"
#include "tray/icon_source.h"

namespace pellomi {

void SetTrayIcon(TrayIcon& tray, HWND window, const TypedValue& source, const TypedValue* tooltip) {
  std::vector<std::uint8_t> ico;
  if (source.Is(ValueKind::kText)) {
    ico = ReadIconFile(source.AsText());
  } else {
    // Copied: the tray fits the icon again later, when the value may be gone.
    const ByteSpan bytes = ByteArrayContents(source);
    if (bytes.size != 0) ico.assign(bytes.data, bytes.data + bytes.size);
  }
  const char* tip = nullptr;
  if (tooltip != nullptr && tooltip->Is(ValueKind::kText)) tip = tooltip->AsText();
  tray.UpdateFromIco(window, std::move(ico), tip);
}

}  // namespace pellomi
