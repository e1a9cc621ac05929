#pragma once
// The message-box runtime command.
#include "form/typed_value.h"

namespace pellomi {

// Arguments: text, style, caption (may be absent), owner (window reference or window handle; may
// be absent). Result: integer 0 (OK, or failure) to 6 (No).
void ShowMessageBoxCommand(int argCount, const TypedValue* args, TypedValue* result);

}  // namespace pellomi
