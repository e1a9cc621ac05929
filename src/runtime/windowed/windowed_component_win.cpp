#include "windowed/windowed_component_win.h"

#include "form/unit_notifications.h"

namespace pellomi {

WindowedUnitParams WindowedComponent::ChildSpec(DWORD style, HWND parent, int childId, int left,
                                                int top, int width, int height) {
  WindowedUnitParams params;
  params.style = style | WS_CHILD | WS_CLIPSIBLINGS;
  params.left = left;
  params.top = top;
  params.width = width;
  params.height = height;
  params.parent = parent;
  params.menuOrChildId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId));
  return params;
}

void WindowedComponent::WindowGone() {
  NotifyUnitDestroyed(windowId_, unitId_);
}

}  // namespace pellomi
