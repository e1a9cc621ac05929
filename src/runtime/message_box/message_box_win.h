#pragma once
// The message-box runtime command.
#include "values/typed_value.h"

namespace pellomi {

// Arguments: text, style, caption (may be absent), owner (window reference or window handle; may
// be absent). Result: integer 0 (OK, or failure) to 6 (No).
void ShowMessageBoxCommand(int argCount, const TypedValue* args, TypedValue* result);

// Whether one of the command's boxes is up. Tray callbacks and posted commands still arrive while
// a box waits (they are messages, not input), so a caller can refuse to stack a second box.
bool IsMessageBoxOpen();
// Brings the open box (if any) to the front.
void BringMessageBoxToFront();

}  // namespace pellomi
