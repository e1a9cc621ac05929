#include "placement/monitor_choice.h"

#include <algorithm>
#include <numeric>

namespace pellomi {

ScreenArea UsableWorkArea(const MonitorFacts& monitor) {
  const ScreenArea& m = monitor.bounds;
  const ScreenArea& w = monitor.work;
  const ScreenArea within{std::max(m.left, w.left), std::max(m.top, w.top),
                          std::min(m.right, w.right), std::min(m.bottom, w.bottom)};
  if (within.left >= within.right || within.top >= within.bottom) return m;
  return within;
}

std::vector<std::size_t> MonitorNumbering(const std::vector<MonitorFacts>& monitors) {
  std::vector<std::size_t> order(monitors.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&monitors](std::size_t a, std::size_t b) {
    const ScreenArea& x = monitors[a].bounds;
    const ScreenArea& y = monitors[b].bounds;
    return x.left != y.left ? x.left < y.left : x.top < y.top;
  });
  return order;
}

std::optional<std::size_t> ChosenMonitor(const std::vector<MonitorFacts>& monitors,
                                         std::optional<std::int32_t> screen) {
  if (monitors.empty()) return std::nullopt;
  if (screen && *screen >= 1 && static_cast<std::size_t>(*screen) <= monitors.size()) {
    return MonitorNumbering(monitors)[static_cast<std::size_t>(*screen) - 1];
  }
  const auto primary = std::find_if(monitors.begin(), monitors.end(),
                                    [](const MonitorFacts& m) { return m.primary; });
  return primary != monitors.end() ? static_cast<std::size_t>(primary - monitors.begin()) : 0;
}

}  // namespace pellomi
