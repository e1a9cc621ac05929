#include "layered/transparency_rules.h"

#include "commands/date_time.h"

namespace pellomi {

std::uint32_t ExtendedStyleFor(std::uint32_t current, bool clickThrough) {
  if (clickThrough) return current | kExStyleTransparent | kExStyleLayered;
  return kExStyleLayered;
}

std::uint32_t LayeredFlagsFor(std::uint32_t colourKey, std::uint8_t alpha) {
  if (colourKey == 0) return kLayeredAlpha;
  if (alpha == 0) return kLayeredColourKey;
  return kLayeredColourKey | kLayeredAlpha;
}

ClientSize ClientSizeFromRect(bool succeeded, std::int32_t left, std::int32_t top,
                              std::int32_t right, std::int32_t bottom) {
  if (!succeeded) return {};
  return {TruncateToInt(static_cast<double>(right) - static_cast<double>(left)),
          TruncateToInt(static_cast<double>(bottom) - static_cast<double>(top))};
}

}  // namespace pellomi
