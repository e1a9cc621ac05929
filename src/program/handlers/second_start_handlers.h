#pragma once
// What a running widget does with a second start's request. Each option the second start names
// has one entry here, called in this order: screen, size, fullscreen, then the position, then the
// widget is shown as the menu's 显示主界面 shows it.
#include <cstdint>

#include "options/countdown_options.h"
#include "placement/placement.h"

namespace pellomi {

// kEventDataReceived of the countdown window: a record from a second start, validated in full;
// accepted only when it names this widget's date and title.
void OnSecondStart(int argCount, const std::int32_t* args);

// --screen N: the monitor the widget asks for from now on.
void ApplySecondStartScreen(std::int32_t screen);
// --size N: the widget's size in percent from now on.
void ApplySecondStartSize(std::int32_t sizePercent);
// --fullscreen: whether the widget steps aside for full-screen programs from now on.
void ApplySecondStartFullscreen(FullscreenMode mode);
// --position: moved there and its menu item checked, as the menu's position items do.
void ApplySecondStartPosition(PlacementPreset preset);

}  // namespace pellomi
