#include "form/window_dpi_win.h"

#include "form/display_scale.h"
#include "handles_win.h"

namespace pellomi {

void* User32Export(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  // Through void*: the caller knows the export's type by its name.
  return reinterpret_cast<void*>(GetProcAddress(user32, name));
}

std::uint32_t SystemDpi() {
  platform::WindowDc screen(nullptr);
  const int dpi = screen.Dc() != nullptr ? GetDeviceCaps(screen.Dc(), LOGPIXELSY) : 0;
  return dpi > 0 ? static_cast<std::uint32_t>(dpi) : kTemplateDpi;
}

std::uint32_t DpiOfWindow(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow =
      reinterpret_cast<GetDpiForWindowFunction>(User32Export("GetDpiForWindow"));
  if (getDpiForWindow != nullptr) {
    if (const UINT dpi = getDpiForWindow(window); dpi != 0) return dpi;
  }
  return SystemDpi();
}

}  // namespace pellomi
