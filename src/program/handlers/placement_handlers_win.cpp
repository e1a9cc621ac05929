// The six placement presets, the first placement at start-up, and placing again by the checked
// preset when the display changes.
#include "handlers/widget_handlers.h"
#include "placement/placement.h"
#include "properties/properties.h"
#include "window_commands/window_commands_win.h"

namespace pellomi {
namespace {

std::int32_t WindowProperty(int index) {
  return GetIntProperty(kCountdownWindowId, kWindowUnitId, index);
}

void MoveToPreset(PlacementPreset preset) {
  const ScreenPoint point =
      PresetPosition(preset, ScreenWidth(), ScreenHeight(), WindowProperty(kPropWidth),
                     WindowProperty(kPropHeight), WindowDpi(kCountdownWindowId));
  // The size is read again just before the move, as the move service expects it in full.
  MoveUnit(kCountdownWindowId, kWindowUnitId, point.x, point.y, WindowProperty(kPropWidth),
           WindowProperty(kPropHeight));
}

void PlaceAndCheck(PlacementPreset preset) {
  MoveToPreset(preset);
  CheckOnly(kPositionItems, PositionItemOf(preset));
}

// Moves by the preset whose item is checked, changing no check mark.
void PlaceByCheckedPreset() {
  std::array<bool, kPositionItems.size()> checked{};
  for (std::size_t i = 0; i < checked.size(); ++i) {
    checked[i] = GetIntProperty(kCountdownWindowId, kPositionItems[i], kMenuPropChecked) != 0;
  }
  if (std::optional<PlacementPreset> preset = CheckedPreset(checked)) MoveToPreset(*preset);
}

}  // namespace

void OnPlaceTopLeft(int, const std::int32_t*) {
  PlaceAndCheck(PlacementPreset::kTopLeft);
}
void OnPlaceTopCenter(int, const std::int32_t*) {
  PlaceAndCheck(PlacementPreset::kTopCenter);
}
void OnPlaceTopRight(int, const std::int32_t*) {
  PlaceAndCheck(PlacementPreset::kTopRight);
}
void OnPlaceBottomLeft(int, const std::int32_t*) {
  PlaceAndCheck(PlacementPreset::kBottomLeft);
}
void OnPlaceBottomCenter(int, const std::int32_t*) {
  PlaceAndCheck(PlacementPreset::kBottomCenter);
}
void OnPlaceBottomRight(int, const std::int32_t*) {
  PlaceAndCheck(PlacementPreset::kBottomRight);
}

void PlaceWindowAtTopCenterInitially() {
  MoveToPreset(PlacementPreset::kTopCenter);
}

void OnDisplayChanged(int, const std::int32_t*) {
  PlaceByCheckedPreset();
}

void OnDpiChanged(int, const std::int32_t*) {
  ApplyStartupRoundCorners();  // the old region has the old size
  PlaceByCheckedPreset();
}

void PlaceWindowInitiallyAt(PlacementPreset preset) {
  PlaceAndCheck(preset);
}

}  // namespace pellomi
