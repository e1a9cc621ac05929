#include "window_commands/popup_menu_win.h"

#include <optional>

#include "form/display_scale.h"
#include "form/runtime_state.h"
#include "menu/menu_plan.h"
#include "menu/menu_win.h"
#include "units/top_level_window_win.h"
#include "window_commands/loaded_window_win.h"
#include "windowed/window_dpi_win.h"

namespace pellomi {
namespace {

// The menu opens with its top-right corner just up and left of the cursor, so the pointer
// rests over its first item rather than on its edge (96-DPI pixels, scaled to the window's).
constexpr int kCursorOffset = 5;

}  // namespace

void ShowPopupMenu(WindowId window, WindowId menuWindow, UnitId menuUnit) {
  if (menuWindow != window) return;
  WindowEntry* entry = Runtime().store.Find(window);
  TopLevelWindow* loaded = LoadedWindow(window);
  if (entry == nullptr || loaded == nullptr) return;
  const WindowTemplate& table = TemplateStore::Units(*entry);
  std::optional<int> start = PopupStartIndex(table, menuUnit);
  if (!start) return;
  platform::UniqueMenu menu = BuildPopupMenu(PlanPopupMenu(table, *start));
  if (!menu) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  HWND hwnd = loaded->Hwnd();
  SetForegroundWindow(hwnd);
  // The choice is posted as WM_COMMAND, to arrive later as without TPM_RETURNCMD.
  // The menu keeps the system's size: the display's DPI, not the window's asked size on top.
  const int offset = ScaleToDpi(kCursorOffset, DpiOfWindow(hwnd));
  const UINT chosen =
      static_cast<UINT>(TrackPopupMenu(menu.Get(), TPM_RIGHTALIGN | TPM_RETURNCMD,
                                       cursor.x - offset, cursor.y - offset, 0, hwnd, nullptr));
  if (chosen != 0) {
    PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
  } else if (GetKeyState(VK_ESCAPE) < 0) {
    // Cancelled from the keyboard: the shell asks for its focus back. A click elsewhere keeps it.
    loaded->Tray().ReturnFocus(hwnd);
  }
  PostMessageW(hwnd, WM_NULL, 0, 0);
}

void KeepTrayIconShown(WindowId window) {
  if (TopLevelWindow* loaded = LoadedWindow(window))
    loaded->Tray().KeepInNotificationArea(loaded->Hwnd());
}

bool IsMenuLoopOpen(WindowId window) {
  const TopLevelWindow* loaded = LoadedWindow(window);
  return loaded != nullptr && loaded->MenuLoopOpen();
}

void ShowPopupMenuCommand(int argCount, const TypedValue* args, TypedValue* result) {
  if (result != nullptr) *result = TypedValue::Absent();
  if (argCount < 2) return;
  ShowPopupMenu(args[0].Low(), args[1].Low(), args[1].High());
}

}  // namespace pellomi
