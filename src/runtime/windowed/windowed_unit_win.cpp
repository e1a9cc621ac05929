#include "windowed/windowed_unit_win.h"

#include "windowed/window_tree_win.h"

namespace pellomi {

bool WindowedUnitClass::Ensure(WNDPROC procedure) {
  if (registered_) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = style_;
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = nullBrush_ ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)) : nullptr;
  wc.lpszClassName = name_;
  registered_ = RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  return registered_;
}

UnitRect WindowedUnit::OuterRect() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  if (HWND parent = ParentOfChild(hwnd_)) {
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  return {r.left, r.top, r.right, r.bottom};
}

void WindowedUnit::MoveTo(std::int32_t left, std::int32_t top) {
  SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowedUnit::Resize(std::int32_t width, std::int32_t height) {
  SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool WindowedUnit::IsVisible() const {
  return IsWindowVisible(hwnd_) != FALSE;
}

void WindowedUnit::SetVisible(bool visible) {
  ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool WindowedUnit::IsEnabled() const {
  return IsWindowEnabled(hwnd_) != FALSE;
}

void WindowedUnit::SetEnabled(bool enabled) {
  EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

void WindowedUnit::Rescale(std::uint32_t, const UnitGeometry& geometry) {
  SetWindowPos(hwnd_, nullptr, geometry.left, geometry.top, geometry.width, geometry.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT WindowedUnit::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool WindowedUnit::CreateOwnWindow(WindowedUnitClass& windowClass,
                                   const WindowedUnitParams& params) {
  if (!windowClass.Ensure(&WindowedUnit::WindowProc)) return false;
  HWND hwnd = CreateWindowExW(
      params.exStyle, params.className ? params.className : windowClass.Name(), params.title,
      params.style, params.left, params.top, params.width, params.height, params.parent,
      params.menuOrChildId, GetModuleHandleW(nullptr), this);
  // A window destroyed before CreateWindowExW returned has not freed the object: still ours.
  if (hwnd == nullptr || !IsWindow(hwnd)) return false;
  if (hwnd_ != hwnd) {
    // A class of another window procedure never hands the object its messages, so nothing would
    // reach it or free it: the window goes and the creation fails.
    DestroyWindow(hwnd);
    return false;
  }
  ownedByWindow_ = true;
  return true;
}

LRESULT CALLBACK WindowedUnit::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created =
        static_cast<WindowedUnit*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    created->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<WindowedUnit*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message != WM_NCDESTROY) return self->Handle(message, wParam, lParam);

  // The last message: nothing reaches the object through this window any more.
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  self->hwnd_ = nullptr;
  const LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
  if (self->ownedByWindow_) {
    self->WindowGone();
    delete self;
  }
  return result;
}

}  // namespace pellomi
