#include "placement/placement.h"

#include "commands/date_time.h"

namespace pellomi {
namespace {

// Relative to the area's top-left corner, so that the truncation does not depend on where the
// area lies on the virtual screen.
ScreenPoint PresetWithin(PlacementPreset preset, std::int32_t screenWidth,
                         std::int32_t screenHeight, std::int32_t width, std::int32_t height,
                         std::uint32_t dpi) {
  const std::int32_t margin = ScaleToDpi(kScreenMargin, dpi);
  const double sw = screenWidth;
  const double sh = screenHeight;
  const double w = width;
  const double h = height;
  const std::int32_t left = margin;
  const std::int32_t center = TruncateToInt((sw - w) / 2.0);
  const std::int32_t right = TruncateToInt(sw - w - margin);
  const std::int32_t top = margin;
  const std::int32_t bottom = TruncateToInt(sh - h - margin);
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

}  // namespace

ScreenPoint PresetPosition(PlacementPreset preset, std::int32_t screenWidth,
                           std::int32_t screenHeight, std::int32_t width, std::int32_t height,
                           std::uint32_t dpi) {
  return PresetPosition(preset, ScreenArea{0, 0, screenWidth, screenHeight}, width, height, dpi);
}

ScreenPoint PresetPosition(PlacementPreset preset, const ScreenArea& area, std::int32_t width,
                           std::int32_t height, std::uint32_t dpi) {
  const ScreenPoint within =
      PresetWithin(preset, area.right - area.left, area.bottom - area.top, width, height, dpi);
  return {area.left + within.x, area.top + within.y};
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

std::optional<PlacementPreset> CheckedPreset(const std::array<bool, 6>& checked) {
  constexpr PlacementPreset kPresets[] = {
      PlacementPreset::kTopLeft,    PlacementPreset::kTopCenter,    PlacementPreset::kTopRight,
      PlacementPreset::kBottomLeft, PlacementPreset::kBottomCenter, PlacementPreset::kBottomRight};
  for (std::size_t i = 0; i < kPositionItems.size(); ++i) {
    if (!checked[i]) continue;
    for (PlacementPreset preset : kPresets) {
      if (PositionItemOf(preset) == kPositionItems[i]) return preset;
    }
  }
  return std::nullopt;
}

}  // namespace pellomi
