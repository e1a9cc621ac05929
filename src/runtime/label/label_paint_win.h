#pragma once
// Drawing of a transparent label on WM_PAINT.
#include <windows.h>

#include <cstdint>

#include "label/label_record.h"

namespace pellomi {

// Draws the caption over whatever lies beneath the label, in its font scaled to `dpi`; paints no
// background.
void PaintLabel(HWND label, const LabelRecord& record, std::uint32_t dpi);

}  // namespace pellomi
