#include "form/window_dpi_win.h"

#include "form/display_scale.h"
#include "handles_win.h"

namespace pellomi {
namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

GetDpiForWindowFunction LoadGetDpiForWindow() {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  // Through void* to a function type: the export's type is known only by its name here.
  return reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")));
}

}  // namespace

std::uint32_t DpiOfWindow(HWND window) {
  static const GetDpiForWindowFunction getDpiForWindow = LoadGetDpiForWindow();
  if (getDpiForWindow != nullptr) {
    if (const UINT dpi = getDpiForWindow(window); dpi != 0) return dpi;
  }
  platform::WindowDc screen(nullptr);
  const int dpi = screen.Dc() != nullptr ? GetDeviceCaps(screen.Dc(), LOGPIXELSY) : 0;
  return dpi > 0 ? static_cast<std::uint32_t>(dpi) : kTemplateDpi;
}

}  // namespace pellomi
