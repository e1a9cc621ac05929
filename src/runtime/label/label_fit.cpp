#include "label/label_fit.h"

#include <algorithm>
#include <cstdlib>

#include "form/display_scale.h"

namespace pellomi {

std::int32_t FitFloorAtDpi(std::uint32_t dpi) {
  return ScaleToDpi(kFitFloorAt96Dpi, dpi);
}

std::int32_t AvailableLineWidth(std::int32_t labelWidth, std::int32_t visibleLeft,
                                std::int32_t visibleRight, std::int32_t horizontal) {
  const std::int32_t left = std::max(visibleLeft, 0);
  const std::int32_t right = std::min(visibleRight, labelWidth);
  std::int32_t width = 0;
  if (horizontal == 1) {
    // Centred on the label's middle: as wide as the nearer shown side allows on both sides.
    const std::int32_t twiceMiddle = labelWidth;
    width = std::min(twiceMiddle - 2 * left, 2 * right - twiceMiddle);
  } else if (horizontal == 2) {
    width = labelWidth - left;  // from its right edge; a hidden right edge no size can help
  } else {
    width = right;  // from its left edge, likewise
  }
  return std::max(width, 0);
}

std::int32_t FittingHeight(std::int32_t height, std::int32_t floor, std::int32_t available,
                           const WidthAtHeight& widthAt) {
  const std::int32_t size = std::abs(height);
  if (size <= floor || widthAt(height) <= available) return height;
  const std::int32_t sign = height < 0 ? -1 : 1;
  // Widths grow with the size: the largest size in [floor, size) that fits, by bisection.
  std::int32_t fits = floor;  // taken even when it does not fit: the ellipsis does the rest
  std::int32_t low = floor + 1;
  std::int32_t high = size - 1;
  while (low <= high) {
    const std::int32_t middle = low + (high - low) / 2;
    if (widthAt(sign * middle) <= available) {
      fits = middle;
      low = middle + 1;
    } else {
      high = middle - 1;
    }
  }
  return sign * fits;
}

std::size_t EllipsisPrefix(std::size_t length, std::int32_t available,
                           const WidthOfPrefix& widthOf) {
  std::size_t low = 0;
  std::size_t high = length;
  if (widthOf(0) > available) return 0;
  // widthOf(low) always fits; find the largest such count.
  while (low < high) {
    const std::size_t middle = low + (high - low + 1) / 2;
    if (widthOf(middle) <= available) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  return low;
}

}  // namespace pellomi
