#pragma once
// The desk's monitors as the window system reports them, and the one a window is on.
#include <windows.h>

#include <vector>

#include "placement/monitor_choice.h"

namespace pellomi {

struct DeskMonitor {
  HMONITOR handle = nullptr;
  MonitorFacts facts;
};

// Every monitor, in the enumeration's order.
std::vector<DeskMonitor> DeskMonitors();

// The monitor that `screen` (from 1) names, or the primary while the desk lacks it.
DeskMonitor ChosenDeskMonitor(std::optional<std::int32_t> screen);

// The monitor a window is on (the nearest one if it is off every monitor).
DeskMonitor MonitorOfWindow(HWND window);

}  // namespace pellomi
