// A few calls per tick: the foreground window, its style and rectangle, the widget's monitor
// and, where Windows has it, the shell's own view of the user's state.
#include "handlers/step_aside_win.h"

#include <windows.h>

#include <iterator>

#include "desk/monitors_win.h"
#include "handlers/window_created_handler.h"
#include "placement/step_aside.h"
#include "properties/properties.h"
#include "template/countdown_units.h"
#include "window_commands/window_commands_win.h"

namespace pellomi {
namespace {

// shellapi.h's QUERY_USER_NOTIFICATION_STATE values that mean "do not disturb".
constexpr int kQunsBusy = 2;
constexpr int kQunsRunningD3dFullScreen = 3;
constexpr int kQunsPresentationMode = 4;
using QueryStateFunction = HRESULT(WINAPI*)(int*);

QueryStateFunction LoadQueryState() {
  // shell32 is loaded already for the tray icon; the export is looked up, not imported.
  HMODULE shell32 = GetModuleHandleW(L"shell32.dll");
  if (shell32 == nullptr) return nullptr;
  return reinterpret_cast<QueryStateFunction>(
      reinterpret_cast<void*>(GetProcAddress(shell32, "SHQueryUserNotificationState")));
}

bool ShellReportsFullScreen() {
  static const QueryStateFunction query = LoadQueryState();
  int state = 0;
  if (query == nullptr || FAILED(query(&state))) return false;
  return state == kQunsBusy || state == kQunsRunningD3dFullScreen || state == kQunsPresentationMode;
}

bool IsDesktopOrShell(HWND window) {
  if (window == GetDesktopWindow() || window == GetShellWindow()) return true;
  wchar_t name[16] = {};
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  // The desktop's layers behind the icons.
  return lstrcmpW(name, L"Progman") == 0 || lstrcmpW(name, L"WorkerW") == 0;
}

FrontFacts FactsFor(HWND widget) {
  FrontFacts facts;
  HWND front = GetForegroundWindow();
  if (front == nullptr || front == widget) return facts;
  facts.exists = true;
  facts.isDesktopOrShell = IsDesktopOrShell(front);
  if (facts.isDesktopOrShell) return facts;
  HMONITOR monitor = MonitorFromWindow(widget, MONITOR_DEFAULTTONEAREST);
  facts.onWidgetMonitor = MonitorFromWindow(front, MONITOR_DEFAULTTONULL) == monitor;
  if (!facts.onWidgetMonitor) return facts;
  facts.visible = IsWindowVisible(front) != FALSE;
  facts.hasCaption = (GetWindowLongW(front, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
  RECT r{};
  GetWindowRect(front, &r);
  facts.rect = {r.left, r.top, r.right, r.bottom};
  facts.widgetMonitor = MonitorOfWindow(widget).facts.bounds;
  facts.shellReportsFullScreen = ShellReportsFullScreen();
  return facts;
}

bool& SteppedAside() {
  static bool stepped = false;
  return stepped;
}

}  // namespace

void StepAsideForFullScreen() {
  if (ChosenCountdownOptions().fullscreen == FullscreenMode::kShow) return;
  HWND widget = GetUnitWindowHandle(kCountdownWindowId, kWindowUnitId);
  if (widget == nullptr) return;
  const bool inFront = FullScreenInFront(FactsFor(widget));
  const bool userHid =
      GetIntProperty(kCountdownWindowId, units::kMinimizeToTray, kMenuPropChecked) != 0;
  switch (StepAsideStep(inFront, SteppedAside(), IsWindowVisible(widget) != FALSE, userHid)) {
    case StepAsideAction::kHide:
      // Directly, not through the visible property: the template keeps the user's own choice.
      ShowWindow(widget, SW_HIDE);
      SteppedAside() = true;
      break;
    case StepAsideAction::kShowAgain:
      ShowWindow(widget, SW_SHOWNOACTIVATE);
      SteppedAside() = false;
      break;
    case StepAsideAction::kNone:
      if (!inFront) SteppedAside() = false;
      break;
  }
}

}  // namespace pellomi
