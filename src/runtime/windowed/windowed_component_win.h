#pragma once
// A component that is a child window (timer, label): its identifiers, its place in the parent
// and its report to the runtime when its window is gone.
#include <windows.h>

#include "form/identifiers.h"
#include "windowed/windowed_unit_win.h"

namespace pellomi {

class WindowedComponent : public WindowedUnit {
 public:
  WindowId OwnerWindowId() const { return windowId_; }
  UnitId Id() const { return unitId_; }

 protected:
  WindowedComponent(WindowId window, UnitId unit) : windowId_(window), unitId_(unit) {}
  // A child of `parent` with `style` plus WS_CHILD | WS_CLIPSIBLINGS, at the given place in its
  // client area, with `childId` as its control identifier.
  static WindowedUnitParams ChildSpec(DWORD style, HWND parent, int childId, int left, int top,
                                      int width, int height);
  void WindowGone() override;

  WindowId windowId_;
  UnitId unitId_;
};

}  // namespace pellomi
