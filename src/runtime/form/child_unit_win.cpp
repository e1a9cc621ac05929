#include "form/child_unit_win.h"

#include "form/unit_notifications.h"

namespace pellomi {

UnitWindowParams ChildWindowUnit::ChildSpec(DWORD style, HWND parent, int childId, int left,
                                            int top, int width, int height) {
  UnitWindowParams params;
  params.style = style | WS_CHILD | WS_CLIPSIBLINGS;
  params.left = left;
  params.top = top;
  params.width = width;
  params.height = height;
  params.parent = parent;
  params.menuOrChildId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId));
  return params;
}

void ChildWindowUnit::WindowGone() {
  NotifyUnitDestroyed(windowId_, unitId_);
}

}  // namespace pellomi
