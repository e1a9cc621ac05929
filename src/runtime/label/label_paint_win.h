#pragma once
// Drawing of a transparent label on WM_PAINT.
#include <windows.h>

#include "label/label_record.h"

namespace pellomi {

// Draws the caption over whatever lies beneath the label; paints no background.
void PaintLabel(HWND label, const LabelRecord& record);

}  // namespace pellomi
