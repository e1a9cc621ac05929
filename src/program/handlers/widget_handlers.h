#pragma once
// Handlers of the widget window's behaviour: transparency levels, placement presets, hiding and
// showing, always-on-top and its re-assertion on every timer tick. Each matches HandlerRoutine
// and ignores its arguments.
#include <cstdint>

#include "placement/placement.h"

namespace pellomi {

void OnAlpha50(int argCount, const std::int32_t* args);
void OnAlpha100(int argCount, const std::int32_t* args);
void OnAlpha150(int argCount, const std::int32_t* args);
void OnAlpha200(int argCount, const std::int32_t* args);
void OnAlpha250(int argCount, const std::int32_t* args);

void OnPlaceTopLeft(int argCount, const std::int32_t* args);
void OnPlaceTopCenter(int argCount, const std::int32_t* args);
void OnPlaceTopRight(int argCount, const std::int32_t* args);
void OnPlaceBottomLeft(int argCount, const std::int32_t* args);
void OnPlaceBottomCenter(int argCount, const std::int32_t* args);
void OnPlaceBottomRight(int argCount, const std::int32_t* args);

void OnMinimizeToTray(int argCount, const std::int32_t* args);
void OnShowMainWindow(int argCount, const std::int32_t* args);
void OnSetTopmost(int argCount, const std::int32_t* args);
void OnCancelTopmost(int argCount, const std::int32_t* args);
void OnTimer(int argCount, const std::int32_t* args);

// The display mode changed: placed again by the checked position preset on the new screen size.
void OnDisplayChanged(int argCount, const std::int32_t* args);
// The display scale changed (the runtime has laid the window out again): corners made again for
// the new size, then placed by the checked preset.
void OnDpiChanged(int argCount, const std::int32_t* args);

// Steps of the window's created handler.
// Top center, size unchanged, no check mark touched (the template already checks it).
void PlaceWindowAtTopCenterInitially();
// The place chosen on the command line, its menu item checked as the menu's own choice does.
void PlaceWindowInitiallyAt(PlacementPreset preset);
// Alpha 180, no colour key, click-through on.
void ApplyStartupTransparency();
// Corners 50 x 50 at 96 DPI, scaled to the window's DPI.
void ApplyStartupRoundCorners();

}  // namespace pellomi
