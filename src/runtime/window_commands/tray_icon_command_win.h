#pragma once
// The tray-icon runtime command.
#include "values/typed_value.h"

namespace pellomi {

// Arguments: window reference, icon source (byte array or file name text), tooltip (optional).
void SetTrayIconCommand(int argCount, const TypedValue* args, TypedValue* result);

}  // namespace pellomi
