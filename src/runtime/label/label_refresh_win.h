#pragma once
// Repainting what lies beneath a label before the label draws again.
#include <windows.h>

namespace pellomi {

// Repaints the label's area from its top-level ancestor and every visible window inside it,
// bottom of the z-order first, then invalidates the label itself without erasing, so an old text
// vanishes before the new one is drawn.
void RefreshLabelArea(HWND label);

}  // namespace pellomi
