#pragma once
// Templates and programs give geometry in 96-DPI units (a display at 100 %). One rule maps such a
// value to the device pixels of a window on a display of another scale.
#include <cstdint>

#include "form/unit_model.h"

namespace pellomi {

inline constexpr std::uint32_t kTemplateDpi = 96;

// value x dpi / 96, rounded to the nearest integer with halves away from zero (the rounding of
// MulDiv), so that 96 DPI gives every value back unchanged. A DPI of 0 (nothing answered)
// counts as 96.
std::int32_t ScaleToDpi(std::int32_t value, std::uint32_t dpi);

// The DPI a window is laid out at when the program asks for `percent` % of the usual size on a
// display of `dpi`: dpi x percent / 100 by the same rounding, so that 100 % is the display scale
// itself and the template's values then pass through ScaleToDpi once.
std::uint32_t LayoutDpi(std::uint32_t dpi, std::uint32_t percent);

// A unit's place and size (left, top, width, height), each value scaled by the rule.
struct UnitGeometry {
  std::int32_t left = 0, top = 0, width = 0, height = 0;
  bool operator==(const UnitGeometry&) const = default;
};
UnitGeometry ScaleGeometry(const UnitGeometry& geometry, std::uint32_t dpi);
// A unit's template geometry for a window at `dpi`.
UnitGeometry TemplateGeometryAt(const UnitRecord& unit, std::uint32_t dpi);

}  // namespace pellomi
