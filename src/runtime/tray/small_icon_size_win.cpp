#include "tray/small_icon_size_win.h"

#include "handles_win.h"
#include "tray/small_icon_size.h"

namespace pellomi {
namespace {

using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);

GetSystemMetricsForDpiFunction LoadGetSystemMetricsForDpi() {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  // Through void* to a function type: the export's type is known only by its name here.
  return reinterpret_cast<GetSystemMetricsForDpiFunction>(
      reinterpret_cast<void*>(GetProcAddress(user32, "GetSystemMetricsForDpi")));
}

}  // namespace

int SmallIconSizeAtDpi(std::uint32_t dpi) {
  static const GetSystemMetricsForDpiFunction forDpi = LoadGetSystemMetricsForDpi();
  if (forDpi != nullptr && dpi != 0) {
    if (const int size = forDpi(SM_CXSMICON, dpi); size > 0) return size;
  }
  platform::WindowDc screen(nullptr);
  const int systemDpi = screen.Dc() != nullptr ? GetDeviceCaps(screen.Dc(), LOGPIXELSY) : 0;
  return ScaledSmallIconSize(GetSystemMetrics(SM_CXSMICON),
                             systemDpi > 0 ? static_cast<std::uint32_t>(systemDpi) : 0, dpi);
}

}  // namespace pellomi
