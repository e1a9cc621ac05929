#pragma once
// The timer unit: a hidden child window with system timer 1000 that fires the unit's event 0.
#include "windowed/windowed_component_win.h"

namespace pellomi {

class TimerUnit final : public WindowedComponent {
 public:
  // Null when the record is of a later version or the window cannot be made.
  static TimerUnit* Create(const std::vector<std::uint8_t>& record, DWORD style, HWND parent,
                           int childId, int left, int top, int width, int height, WindowId window,
                           UnitId unit);

  void KindPropertyChanged(int index, const PropertyValue& value) override;
  bool GetKindProperty(int index, PropertyValue& out) const override;

 private:
  TimerUnit(WindowId window, UnitId unit, std::int32_t interval)
      : WindowedComponent(window, unit), interval_(interval) {}
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Start();
  void Stop();

  std::int32_t interval_;
  bool running_ = false;
};

}  // namespace pellomi
