#include "placement.h"

#include "commands/date_time.h"

namespace pellomi {

ScreenPoint PresetPosition(PlacementPreset preset, std::int32_t screenWidth,
                           std::int32_t screenHeight, std::int32_t width, std::int32_t height) {
  const double sw = screenWidth;
  const double sh = screenHeight;
  const double w = width;
  const double h = height;
  const std::int32_t left = kScreenMargin;
  const std::int32_t center = TruncateToInt((sw - w) / 2.0);
  const std::int32_t right = TruncateToInt(sw - w - kScreenMargin);
  const std::int32_t top = kScreenMargin;
  const std::int32_t bottom = TruncateToInt(sh - h - kScreenMargin);
  switch (preset) {
    case PlacementPreset::kTopLeft:
      return {left, top};
    case PlacementPreset::kTopCenter:
      return {center, top};
    case PlacementPreset::kTopRight:
      return {right, top};
    case PlacementPreset::kBottomLeft:
      return {left, bottom};
    case PlacementPreset::kBottomCenter:
      return {center, bottom};
    case PlacementPreset::kBottomRight:
      return {right, bottom};
  }
  return {left, top};
}

UnitId PositionItemOf(PlacementPreset preset) {
  switch (preset) {
    case PlacementPreset::kTopLeft:
      return kItemTopLeft;
    case PlacementPreset::kTopCenter:
      return kItemTopCenter;
    case PlacementPreset::kTopRight:
      return kItemTopRight;
    case PlacementPreset::kBottomLeft:
      return kItemBottomLeft;
    case PlacementPreset::kBottomCenter:
      return kItemBottomCenter;
    case PlacementPreset::kBottomRight:
      return kItemBottomRight;
  }
  return kItemTopCenter;
}

}  // namespace pellomi
