#include "window_commands/window_destroy_win.h"

#include "units/top_level_window_win.h"
#include "window_commands/loaded_window_win.h"

namespace pellomi {

void RequestWindowDestroy(WindowId window, bool atOnce) {
  if (TopLevelWindow* loaded = LoadedWindow(window)) loaded->RequestDestroy(atOnce);
}

void RequestWindowDestroyCommand(int argCount, const TypedValue* args, TypedValue* result) {
  if (result != nullptr) *result = TypedValue::Absent();
  if (argCount < 1) return;
  RequestWindowDestroy(args[0].Low(), argCount >= 2 && args[1].Low() != 0);
}

}  // namespace pellomi
