#include "units/timer_unit_win.h"

#include "form/unit_events.h"
#include "form/unit_notifications.h"
#include "properties/properties.h"
#include "units/window_record.h"

namespace pellomi {
namespace {

WindowedUnitClass g_timerClass(L"PellomiTimer", CS_DBLCLKS);
constexpr UINT_PTR kSystemTimerId = 1000;

}  // namespace

TimerUnit* TimerUnit::Create(const std::vector<std::uint8_t>& record, DWORD style, HWND parent,
                             int childId, int left, int top, int width, int height, WindowId window,
                             UnitId unit) {
  std::optional<std::int32_t> interval = ReadTimerRecord(record);
  if (!interval) return nullptr;
  // Never visible: the unit exists only for its system timer.
  const WindowedUnitParams params =
      ChildSpec(style & ~WS_VISIBLE, parent, childId, left, top, width, height);
  return Open(std::unique_ptr<TimerUnit>(new TimerUnit(window, unit, *interval)), g_timerClass,
              params);
}

void TimerUnit::Start() {
  if (interval_ > 0)
    running_ = SetTimer(hwnd_, kSystemTimerId, static_cast<UINT>(interval_), nullptr) != 0;
}

void TimerUnit::Stop() {
  if (running_) KillTimer(hwnd_, kSystemTimerId);
  running_ = false;
}

void TimerUnit::KindPropertyChanged(int index, const PropertyValue& value) {
  if (index != kTimerPropInterval) return;
  std::int32_t interval = value.integer < 0 ? 0 : value.integer;
  if (interval == interval_) return;  // keeps a running timer's phase
  interval_ = interval;
  Stop();
  Start();
}

bool TimerUnit::GetKindProperty(int index, PropertyValue& out) const {
  if (index != kTimerPropInterval) return false;
  out.integer = interval_;
  return true;
}

LRESULT TimerUnit::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      Start();  // the first tick comes one interval after loading
      return 0;
    case WM_TIMER:
      if (wParam == kSystemTimerId) FireEvent(windowId_, unitId_, kEventTimerElapsed, 0, nullptr);
      return 0;
    case WM_DESTROY:
      Stop();
      return 0;
    default:
      return WindowedUnit::Handle(message, wParam, lParam);
  }
}

}  // namespace pellomi
