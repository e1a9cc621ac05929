#pragma once
// The window object of a loaded window, for the commands that act on the window itself.
#include "form/runtime_state.h"
#include "units/window_unit_win.h"

namespace pellomi {

// Null when the window is not loaded.
inline WindowUnit* LoadedWindow(WindowId window) {
  WindowEntry* entry = Runtime().store.Find(window);
  return entry == nullptr ? nullptr : static_cast<WindowUnit*>(entry->object);
}

}  // namespace pellomi
