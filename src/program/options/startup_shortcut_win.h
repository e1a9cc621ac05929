#pragma once
// --startup and --startup=off: the shortcut in the user's Startup folder, written or removed
// before the widget starts.
#include <span>
#include <string>

#include "options/countdown_options.h"

namespace pellomi {

// Writes or removes the shortcut the options ask for (nothing without --startup); on failure
// shows one box naming the folder and the reason and returns false.
bool ApplyStartupShortcut(const CountdownOptions& options, std::span<const std::u16string> args);

}  // namespace pellomi
