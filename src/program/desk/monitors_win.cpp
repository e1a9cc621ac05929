#include "desk/monitors_win.h"

namespace pellomi {
namespace {

ScreenArea AreaOf(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

std::optional<DeskMonitor> Describe(HMONITOR handle) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);  // the call fails without it
  if (handle == nullptr || !GetMonitorInfoW(handle, &info)) return std::nullopt;
  return DeskMonitor{
      handle,
      {AreaOf(info.rcMonitor), AreaOf(info.rcWork), (info.dwFlags & MONITORINFOF_PRIMARY) != 0}};
}

BOOL CALLBACK AddMonitor(HMONITOR handle, HDC, LPRECT, LPARAM data) {
  if (std::optional<DeskMonitor> monitor = Describe(handle)) {
    reinterpret_cast<std::vector<DeskMonitor>*>(data)->push_back(*monitor);
  }
  return TRUE;
}

// The primary by the rule that it holds the virtual screen's origin; the whole primary screen
// if even that fails.
DeskMonitor PrimaryMonitor() {
  if (std::optional<DeskMonitor> monitor =
          Describe(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY))) {
    return *monitor;
  }
  const ScreenArea whole{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return {nullptr, {whole, whole, true}};
}

}  // namespace

std::vector<DeskMonitor> DeskMonitors() {
  std::vector<DeskMonitor> monitors;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

DeskMonitor ChosenDeskMonitor(std::optional<std::int32_t> screen) {
  const std::vector<DeskMonitor> monitors = DeskMonitors();
  std::vector<MonitorFacts> facts;
  facts.reserve(monitors.size());
  for (const DeskMonitor& m : monitors) facts.push_back(m.facts);
  if (std::optional<std::size_t> index = ChosenMonitor(facts, screen)) return monitors[*index];
  return PrimaryMonitor();
}

DeskMonitor MonitorOfWindow(HWND window) {
  if (std::optional<DeskMonitor> monitor =
          Describe(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST))) {
    return *monitor;
  }
  return PrimaryMonitor();
}

}  // namespace pellomi
