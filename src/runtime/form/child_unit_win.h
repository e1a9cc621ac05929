#pragma once
// Common property effects of a component that is a child window (timer, label), and its report
// to the runtime when its window is gone.
#include <windows.h>

#include "form/identifiers.h"
#include "form/live_unit.h"
#include "form/unit_window_win.h"

namespace pellomi {

class ChildWindowUnit : public LiveUnit, public UnitWindow {
 public:
  void* NativeWindow() const override { return hwnd_; }
  WindowId OwnerWindowId() const { return windowId_; }
  UnitId Id() const { return unitId_; }

  UnitRect OuterRect() const override;
  void MoveTo(std::int32_t left, std::int32_t top) override;
  void Resize(std::int32_t width, std::int32_t height) override;
  bool IsVisible() const override;
  void SetVisible(bool visible) override;
  bool IsEnabled() const override;
  void SetEnabled(bool enabled) override;

 protected:
  ChildWindowUnit(WindowId window, UnitId unit) : windowId_(window), unitId_(unit) {}
  // A child of `parent` with `style` plus WS_CHILD | WS_CLIPSIBLINGS, at the given place in its
  // client area, with `childId` as its control identifier.
  static UnitWindowSpec ChildSpec(DWORD style, HWND parent, int childId, int left, int top,
                                  int width, int height);
  void WindowGone() override;

  WindowId windowId_;
  UnitId unitId_;
};

}  // namespace pellomi
