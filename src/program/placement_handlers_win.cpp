// The six placement presets and the first placement at start-up.
#include "placement.h"
#include "properties/properties.h"
#include "widget_handlers.h"
#include "window_commands/window_commands_win.h"

namespace pellomi {
namespace {

std::int32_t WindowProperty(int index) {
  return GetIntProperty(kCountdownWindowId, kWindowUnitId, index);
}

void MoveToPreset(PlacementPreset preset) {
  const ScreenPoint point = PresetPosition(preset, ScreenWidth(), ScreenHeight(),
                                           WindowProperty(kPropWidth), WindowProperty(kPropHeight));
  // The size is read again just before the move, as the move service expects it in full.
  MoveUnit(kCountdownWindowId, kWindowUnitId, point.x, point.y, WindowProperty(kPropWidth),
           WindowProperty(kPropHeight));
}

void PlaceAndCheck(PlacementPreset preset) {
  MoveToPreset(preset);
  for (const CheckWrite& write : CheckWritesFor(kPositionItems, PositionItemOf(preset))) {
    SetIntProperty(kCountdownWindowId, write.first, kMenuPropChecked, write.second);
  }
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

void PlaceWindowInitiallyAt(PlacementPreset preset) {
  PlaceAndCheck(preset);
}

}  // namespace pellomi
