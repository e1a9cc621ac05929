#include "window_commands/tray_icon_command_win.h"

#include "tray/set_tray_icon_win.h"
#include "window_commands/loaded_window_win.h"

namespace pellomi {

void SetTrayIconCommand(int argCount, const TypedValue* args, TypedValue* result) {
  if (result != nullptr) *result = TypedValue::Absent();
  if (argCount < 1) return;
  // Callers pass a loaded window; anything else is ignored.
  TopLevelWindow* window = LoadedWindow(args[0].Low());
  if (window == nullptr) return;
  TypedValue noSource = TypedValue::Absent();
  SetTrayIcon(window->Tray(), window->Hwnd(), argCount >= 2 ? args[1] : noSource,
              argCount >= 3 ? &args[2] : nullptr);
}

}  // namespace pellomi
