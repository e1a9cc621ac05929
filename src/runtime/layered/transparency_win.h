#pragma once
// Layered transparency, click-through and rounded corners of a window, reached only through the
// late-bound function table.
#include <windows.h>

#include <cstdint>
#include <optional>

namespace pellomi {

// An omitted alpha or colour key counts as 0, omitted click-through as false. A colour key of 0
// means no colour key.
void ApplyTransparency(HWND window, std::uint8_t alpha = 0, COLORREF colourKey = 0,
                       bool clickThrough = false);

// Client width and height (0 x 0 when the query fails); returns whether it succeeded.
bool GetClientSize(HWND window, std::int32_t& width, std::int32_t& height);

// Clips the window to its client size with rounded corners (ellipse sizes, 50 when omitted). The
// window owns the region once it takes it; a region it refuses is deleted here.
void ApplyRoundCorners(HWND window, std::optional<std::int32_t> cornerWidth = std::nullopt,
                       std::optional<std::int32_t> cornerHeight = std::nullopt);

}  // namespace pellomi
