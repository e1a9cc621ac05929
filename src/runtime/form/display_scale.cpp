#include "form/display_scale.h"

namespace pellomi {

std::int32_t ScaleToDpi(std::int32_t value, std::uint32_t dpi) {
  if (dpi == 0) dpi = kTemplateDpi;
  const std::int64_t product = static_cast<std::int64_t>(value) * dpi;
  const std::int64_t half = kTemplateDpi / 2;
  const std::int64_t rounded =
      product >= 0 ? (product + half) / kTemplateDpi : -((-product + half) / kTemplateDpi);
  return static_cast<std::int32_t>(rounded);
}

std::uint32_t LayoutDpi(std::uint32_t dpi, std::uint32_t percent) {
  if (dpi == 0) dpi = kTemplateDpi;
  if (percent == 0) percent = 100;  // nothing asked
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(dpi) * percent + 50) / 100);
}

UnitGeometry ScaleGeometry(const UnitGeometry& geometry, std::uint32_t dpi) {
  return {ScaleToDpi(geometry.left, dpi), ScaleToDpi(geometry.top, dpi),
          ScaleToDpi(geometry.width, dpi), ScaleToDpi(geometry.height, dpi)};
}

UnitGeometry TemplateGeometryAt(const UnitRecord& unit, std::uint32_t dpi) {
  return ScaleGeometry({unit.left, unit.top, unit.width, unit.height}, dpi);
}

}  // namespace pellomi
