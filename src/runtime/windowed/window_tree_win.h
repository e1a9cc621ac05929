#pragma once
// Where a window stands among windows: the one answer to "is this a child window?".
#include <windows.h>

namespace pellomi {

// The parent of a child window (WS_CHILD without WS_POPUP), whose client coordinates hold its
// rectangle; null for a top-level window, owned or not, whose rectangle is in screen coordinates.
HWND ParentOfChild(HWND window);

// The window itself if it is top-level, else its nearest top-level ancestor: the window that
// paints what lies beneath a child.
HWND TopLevelOf(HWND window);

}  // namespace pellomi
