#include "windowed/window_tree_win.h"

namespace pellomi {

HWND ParentOfChild(HWND window) {
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  if ((style & WS_CHILD) == 0 || (style & WS_POPUP) != 0) return nullptr;
  return GetAncestor(window, GA_PARENT);
}

HWND TopLevelOf(HWND window) {
  HWND current = window;
  while (HWND parent = ParentOfChild(current)) current = parent;
  return current;
}

}  // namespace pellomi
