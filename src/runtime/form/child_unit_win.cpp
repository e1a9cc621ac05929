#include "form/child_unit_win.h"

namespace pellomi {

UnitRect ChildWindowUnit::OuterRect() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  HWND parent = GetParent(hwnd_);
  if (parent != nullptr && (GetWindowLongW(hwnd_, GWL_STYLE) & WS_POPUP) == 0) {
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  return {r.left, r.top, r.right, r.bottom};
}

void ChildWindowUnit::MoveTo(std::int32_t left, std::int32_t top) {
  SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ChildWindowUnit::Resize(std::int32_t width, std::int32_t height) {
  SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ChildWindowUnit::IsVisible() const {
  return IsWindowVisible(hwnd_) != FALSE;
}

void ChildWindowUnit::SetVisible(bool visible) {
  ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool ChildWindowUnit::IsEnabled() const {
  return IsWindowEnabled(hwnd_) != FALSE;
}

void ChildWindowUnit::SetEnabled(bool enabled) {
  EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

}  // namespace pellomi
