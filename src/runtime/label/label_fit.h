#pragma once
// How a single-line label keeps its text whole: smaller sizes of the same font down to a floor,
// and past the floor the text cut short with an ellipsis. Window-free; the caller measures.
#include <cstddef>
#include <cstdint>
#include <functional>

namespace pellomi {

// The smallest height the text is shrunk to, in pixels at 96 DPI.
inline constexpr std::int32_t kFitFloorAt96Dpi = 12;

// The floor for a label at `dpi`, scaled by the rule of the template's sizes.
std::int32_t FitFloorAtDpi(std::uint32_t dpi);

// The widest line that stays inside the part of the label that shows, [visibleLeft, visibleRight)
// in the label's own coordinates: a centred line is as wide as twice the nearer shown side of the
// middle allows, a left (right) one reaches from the label's left (right) edge to the other shown
// side. Never negative.
std::int32_t AvailableLineWidth(std::int32_t labelWidth, std::int32_t visibleLeft,
                                std::int32_t visibleRight, std::int32_t horizontal);

// Width in pixels of the text drawn with the font at this height (a LOGFONT height: negative
// for the character height, positive for the cell height).
using WidthAtHeight = std::function<std::int32_t(std::int32_t height)>;

// The font height to draw with: `height` itself when the text fits in `available`, otherwise
// the largest smaller size (same sign) that fits, but never below `floor` in magnitude. A font
// already at or below the floor keeps its height.
std::int32_t FittingHeight(std::int32_t height, std::int32_t floor, std::int32_t available,
                           const WidthAtHeight& widthAt);

// Width of the first `count` characters followed by the ellipsis.
using WidthOfPrefix = std::function<std::int32_t(std::size_t count)>;

// The most characters of a `length`-character text that fit in `available` with the ellipsis
// after them (0 when even the ellipsis alone does not fit).
std::size_t EllipsisPrefix(std::size_t length, std::int32_t available,
                           const WidthOfPrefix& widthOf);

}  // namespace pellomi
