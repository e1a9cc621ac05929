#include "window_commands/window_commands_win.h"

#include "form/display_scale.h"
#include "form/window_lookup.h"
#include "window_commands/loaded_window_win.h"
#include "windowed/window_dpi_win.h"
#include "windowed/window_tree_win.h"

namespace pellomi {

HWND GetUnitWindowHandle(WindowId window, UnitId unit) {
  return static_cast<HWND>(FindUnitObject(window, unit)->NativeWindow());
}

void MoveUnit(WindowId window, UnitId unit, std::optional<int> left, std::optional<int> top,
              std::optional<int> width, std::optional<int> height) {
  HWND hwnd = GetUnitWindowHandle(window, unit);
  RECT old{};
  GetWindowRect(hwnd, &old);
  // A child's rectangle is in its parent's client coordinates; a top-level window's (owned or
  // not) stays in screen coordinates.
  if (HWND parent = ParentOfChild(hwnd)) {
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&old), 2);
  }
  RECT r = old;
  if (left) {
    r.right += *left - r.left;
    r.left = *left;
  }
  if (top) {
    r.bottom += *top - r.top;
    r.top = *top;
  }
  if (width && *width != -1) r.right = r.left + *width;
  if (height && *height != -1) r.bottom = r.top + *height;
  if (EqualRect(&r, &old)) return;
  MoveWindow(hwnd, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

int ScreenWidth() {
  return GetSystemMetrics(SM_CXSCREEN);
}
int ScreenHeight() {
  return GetSystemMetrics(SM_CYSCREEN);
}

std::uint32_t WindowDpi(WindowId window) {
  const TopLevelWindow* loaded = LoadedWindow(window);
  return loaded != nullptr ? loaded->Dpi() : kTemplateDpi;
}

void RelayoutWindow(WindowId window) {
  TopLevelWindow* loaded = LoadedWindow(window);
  if (loaded == nullptr) return;
  RECT place{};
  GetWindowRect(loaded->Hwnd(), &place);
  loaded->ChangeDpi(LayoutDpi(DpiOfWindow(loaded->Hwnd()), LayoutPercent()), place);
}

}  // namespace pellomi
