#pragma once
// The tray-icon runtime command and the countdown window's icon.
#include "runtime/typed_value.h"

namespace pellomi {

// Arguments: window reference, icon source (byte array or file name text), tooltip (optional).
void SetTrayIconCommand(int argCount, const TypedValue* args, TypedValue* result);

// Installs the hourglass with the countdown window's tooltip.
void InstallCountdownTrayIcon();

}  // namespace pellomi
