#include "windowed/window_dpi_win.h"

#include "form/display_scale.h"
#include "handles_win.h"

namespace pellomi {
namespace {

// shellscalingapi.h: MONITOR_DPI_TYPE's MDT_EFFECTIVE_DPI is 0; the header needs Windows 8.1.
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kEffectiveDpi = 0;

GetDpiForMonitorFunction LoadGetDpiForMonitor() {
  // From System32 only, kept loaded for the process's life as the pointer is cached. Windows 7
  // (which has no shcore) may refuse the search flag too: either way no pointer.
  HMODULE shcore = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (shcore == nullptr) return nullptr;
  return reinterpret_cast<GetDpiForMonitorFunction>(
      reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")));
}

std::uint32_t MonitorDpiOrZero(HMONITOR monitor) {
  static const GetDpiForMonitorFunction getDpiForMonitor = LoadGetDpiForMonitor();
  if (getDpiForMonitor == nullptr || monitor == nullptr) return 0;
  UINT x = 0;
  UINT y = 0;
  if (FAILED(getDpiForMonitor(monitor, kEffectiveDpi, &x, &y))) return 0;
  return y;
}

std::uint32_t& StoredLayoutPercent() {
  static std::uint32_t percent = 100;
  return percent;
}

}  // namespace

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
  if (const std::uint32_t dpi =
          MonitorDpiOrZero(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
      dpi != 0) {
    return dpi;
  }
  return SystemDpi();
}

std::uint32_t DpiOfMonitor(HMONITOR monitor) {
  const std::uint32_t dpi = MonitorDpiOrZero(monitor);
  return dpi != 0 ? dpi : SystemDpi();
}

void SetLayoutPercent(std::uint32_t percent) {
  StoredLayoutPercent() = percent;
}

std::uint32_t LayoutPercent() {
  return StoredLayoutPercent();
}

}  // namespace pellomi
