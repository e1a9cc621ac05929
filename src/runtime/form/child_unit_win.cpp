#include "form/child_unit_win.h"

#include "form/unit_notifications.h"

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

UnitWindowSpec ChildWindowUnit::ChildSpec(DWORD style, HWND parent, int childId, int left, int top,
                                          int width, int height) {
  UnitWindowSpec spec;
  spec.style = style | WS_CHILD | WS_CLIPSIBLINGS;
  spec.left = left;
  spec.top = top;
  spec.width = width;
  spec.height = height;
  spec.parent = parent;
  spec.menuOrChildId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId));
  return spec;
}

void ChildWindowUnit::WindowGone() {
  NotifyUnitDestroyed(windowId_, unitId_);
}

}  // namespace pellomi
