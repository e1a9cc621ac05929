#pragma once
// The window object of a loaded window, for the commands that act on the window itself.
#include "form/runtime_state.h"
#include "units/top_level_window_win.h"

namespace pellomi {

// Null when the window is not loaded.
inline TopLevelWindow* LoadedWindow(WindowId window) {
  WindowEntry* entry = Runtime().store.Find(window);
  return entry == nullptr ? nullptr : static_cast<TopLevelWindow*>(entry->object);
}

}  // namespace pellomi
