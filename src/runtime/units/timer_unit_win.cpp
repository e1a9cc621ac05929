#include "units/timer_unit_win.h"

#include "form/unit_events.h"
#include "form/unit_notifications.h"
#include "form/window_record.h"

namespace pellomi {
namespace {

constexpr wchar_t kTimerClassName[] = L"PellomiTimer";
constexpr UINT_PTR kSystemTimerId = 1000;

}  // namespace

TimerUnit* TimerUnit::Create(const std::vector<std::uint8_t>& record, DWORD style, HWND parent,
                             int childId, int left, int top, int width, int height, WindowId window,
                             UnitId unit) {
  std::optional<std::int32_t> interval = ReadTimerRecord(record);
  if (!interval) return nullptr;
  static bool registered = false;
  if (!registered) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &TimerUnit::WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kTimerClassName;
    registered = RegisterClassExW(&wc) != 0;
  }
  auto* timer = new TimerUnit(window, unit, *interval);
  // Never visible: the unit exists only for its system timer.
  HWND hwnd = CreateWindowExW(
      0, kTimerClassName, L"", (style & ~WS_VISIBLE) | WS_CHILD | WS_CLIPSIBLINGS, left, top, width,
      height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)),
      GetModuleHandleW(nullptr), timer);
  if (hwnd == nullptr) {
    delete timer;
    return nullptr;
  }
  return timer;
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
  if (index != 0) return;
  std::int32_t interval = value.integer < 0 ? 0 : value.integer;
  if (interval == interval_) return;  // keeps a running timer's phase
  interval_ = interval;
  Stop();
  Start();
}

bool TimerUnit::GetKindProperty(int index, PropertyValue& out) const {
  if (index != 0) return false;
  out.integer = interval_;
  return true;
}

LRESULT CALLBACK TimerUnit::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TimerUnit*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE:
      self = static_cast<TimerUnit*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      self->hwnd_ = hwnd;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
      break;
    case WM_CREATE:
      self->Start();  // the first tick comes one interval after loading
      return 0;
    case WM_TIMER:
      if (self != nullptr && wParam == kSystemTimerId) {
        FireEvent(self->windowId_, self->unitId_, kEventTimerElapsed, 0, nullptr);
      }
      return 0;
    case WM_DESTROY:
      if (self != nullptr) self->Stop();
      return 0;
    case WM_NCDESTROY:
      if (self != nullptr) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        WindowId window = self->windowId_;
        UnitId unit = self->unitId_;
        delete self;
        NotifyUnitDestroyed(window, unit);
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace pellomi
