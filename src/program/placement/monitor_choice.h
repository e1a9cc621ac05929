#pragma once
// Window-free rules of which monitor the widget goes to.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "placement/placement.h"

namespace pellomi {

struct MonitorFacts {
  ScreenArea bounds;  // the whole monitor
  ScreenArea work;    // less its taskbar
  bool primary = false;
};

// The work area the presets use: the reported one within its monitor, or the whole monitor when
// nothing of it lies there (a work area left stale by a change of display mode).
ScreenArea UsableWorkArea(const MonitorFacts& monitor);

// Indices into `monitors` in the order of their numbers: by left edge, then by top edge (the
// enumeration's order breaks a tie of both).
std::vector<std::size_t> MonitorNumbering(const std::vector<MonitorFacts>& monitors);

// The index of monitor number `screen` (from 1) when the desk has it, else of the primary (the
// first one if none says so); none for a desk without monitors.
std::optional<std::size_t> ChosenMonitor(const std::vector<MonitorFacts>& monitors,
                                         std::optional<std::int32_t> screen);

}  // namespace pellomi
