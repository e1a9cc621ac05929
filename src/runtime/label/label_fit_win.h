#pragma once
// Keeps a label's single line whole in the part of the label that shows.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "handles_win.h"

namespace pellomi {

// A smaller size of the label's font, and the text cut short with an ellipsis when even the
// smallest size is too wide.
struct FittedLine {
  platform::UniqueFont font;  // empty: the label's font stays (it is at or below the floor)
  std::wstring text;
};

// None when the text, drawn with `format` in `area` in the font selected into `dc`, fits as it
// is: then nothing about its drawing changes. The floor follows the label's `dpi`.
std::optional<FittedLine> FitLabelLine(HWND label, HDC dc, const std::wstring& text,
                                       const RECT& area, UINT format, std::int32_t horizontal,
                                       std::uint32_t dpi);

}  // namespace pellomi
