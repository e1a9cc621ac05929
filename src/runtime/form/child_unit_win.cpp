#include "form/child_unit_win.h"

#include "form/unit_notifications.h"

namespace pellomi {

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
