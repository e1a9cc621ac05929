// The six placement presets, the first placement at start-up, and placing again by the checked
// preset when the display changes. Presets are taken within a monitor's work area: the one asked
// for on the command line (the primary while the desk lacks it), or for the tray's choices the
// one the widget is on.
#include "desk/monitors_win.h"
#include "form/display_scale.h"
#include "handlers/widget_handlers.h"
#include "handlers/window_created_handler.h"
#include "placement/placement.h"
#include "properties/properties.h"
#include "window_commands/window_commands_win.h"
#include "windowed/window_dpi_win.h"

namespace pellomi {
namespace {

std::int32_t WindowProperty(int index) {
  return GetIntProperty(kCountdownWindowId, kWindowUnitId, index);
}

HWND WidgetWindow() {
  return GetUnitWindowHandle(kCountdownWindowId, kWindowUnitId);
}

// The margin's DPI on `monitor`: the window's own where it already is, as the window system
// reports it best there; else that monitor's, with the asked size on top.
std::uint32_t MarginDpiOn(const DeskMonitor& monitor) {
  if (monitor.handle == MonitorFromWindow(WidgetWindow(), MONITOR_DEFAULTTONULL)) {
    return WindowDpi(kCountdownWindowId);
  }
  return LayoutDpi(DpiOfMonitor(monitor.handle), LayoutPercent());
}

void MoveToPreset(PlacementPreset preset, const DeskMonitor& monitor) {
  const ScreenPoint point =
      PresetPosition(preset, UsableWorkArea(monitor.facts), WindowProperty(kPropWidth),
                     WindowProperty(kPropHeight), MarginDpiOn(monitor));
  // The size is read again just before the move, as the move service expects it in full.
  MoveUnit(kCountdownWindowId, kWindowUnitId, point.x, point.y, WindowProperty(kPropWidth),
           WindowProperty(kPropHeight));
}

DeskMonitor AskedMonitor() {
  return ChosenDeskMonitor(ChosenCountdownOptions().screen);
}

void PlaceAndCheck(PlacementPreset preset, const DeskMonitor& monitor) {
  MoveToPreset(preset, monitor);
  CheckOnly(kPositionItems, PositionItemOf(preset));
}

// The tray's choice: within the monitor the widget is on.
void PlaceAndCheck(PlacementPreset preset) {
  PlaceAndCheck(preset, MonitorOfWindow(WidgetWindow()));
}

// Moves by the preset whose item is checked, changing no check mark.
void PlaceByCheckedPreset(const DeskMonitor& monitor) {
  std::array<bool, kPositionItems.size()> checked{};
  for (std::size_t i = 0; i < checked.size(); ++i) {
    checked[i] = GetIntProperty(kCountdownWindowId, kPositionItems[i], kMenuPropChecked) != 0;
  }
  if (std::optional<PlacementPreset> preset = CheckedPreset(checked)) {
    MoveToPreset(*preset, monitor);
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
  MoveToPreset(PlacementPreset::kTopCenter, AskedMonitor());
}

// Monitors came, went or changed, or a work area did: back to the monitor asked for, which may
// have returned, or to the primary while it is gone.
void OnDisplayChanged(int, const std::int32_t*) {
  PlaceByCheckedPreset(AskedMonitor());
}

// The window is on a monitor of another scale now (it was moved there, or that monitor's scale
// changed): placed again within it.
void OnDpiChanged(int, const std::int32_t*) {
  ApplyStartupRoundCorners();  // the old region has the old size
  PlaceByCheckedPreset(MonitorOfWindow(WidgetWindow()));
}

void PlaceWindowInitiallyAt(PlacementPreset preset) {
  PlaceAndCheck(preset, AskedMonitor());
}

}  // namespace pellomi
