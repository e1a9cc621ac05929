#include "tray/small_icon_size_win.h"

#include "tray/small_icon_size.h"
#include "windowed/window_dpi_win.h"

namespace pellomi {

int SmallIconSizeAtDpi(std::uint32_t dpi) {
  using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
  static const auto forDpi =
      reinterpret_cast<GetSystemMetricsForDpiFunction>(User32Export("GetSystemMetricsForDpi"));
  if (forDpi != nullptr && dpi != 0) {
    if (const int size = forDpi(SM_CXSMICON, dpi); size > 0) return size;
  }
  return ScaledSmallIconSize(GetSystemMetrics(SM_CXSMICON), SystemDpi(), dpi);
}

}  // namespace pellomi
