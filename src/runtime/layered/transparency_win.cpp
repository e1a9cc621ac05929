#include "layered/transparency_win.h"

#include "late_bound/dll_command_win.h"
#include "layered/transparency_rules.h"

namespace pellomi {

void ApplyTransparency(HWND window, std::uint8_t alpha, COLORREF colourKey, bool clickThrough) {
  const std::uint32_t current =
      clickThrough ? static_cast<std::uint32_t>(DllGetWindowLong(window, kExStyleIndex)) : 0u;
  DllSetWindowLong(window, kExStyleIndex,
                   static_cast<std::int32_t>(ExtendedStyleFor(current, clickThrough)));
  DllSetLayeredWindowAttributes(window, colourKey, alpha, LayeredFlagsFor(colourKey, alpha));
}

bool GetClientSize(HWND window, std::int32_t& width, std::int32_t& height) {
  RECT rect{};
  const bool succeeded = DllGetClientRect(window, &rect);
  const ClientSize size =
      ClientSizeFromRect(succeeded, rect.left, rect.top, rect.right, rect.bottom);
  width = size.width;
  height = size.height;
  return succeeded;
}

void ApplyRoundCorners(HWND window, std::optional<std::int32_t> cornerWidth,
                       std::optional<std::int32_t> cornerHeight) {
  const std::int32_t ellipseWidth = cornerWidth.value_or(kDefaultCornerSize);
  const std::int32_t ellipseHeight = cornerHeight.value_or(kDefaultCornerSize);
  std::int32_t width = 0;
  std::int32_t height = 0;
  GetClientSize(window, width, height);

  LateBoundRegion region(DllCreateRoundRectRgn(0, 0, width, height, ellipseWidth, ellipseHeight));
  if (!region) return;
  // A region the window takes is the window's from then on; one it refuses, `region` deletes.
  if (DllSetWindowRgn(window, region.Get(), true)) region.Release();
}

}  // namespace pellomi
