#pragma once
// Destroying a loaded window from a handler.
#include "form/identifiers.h"
#include "values/typed_value.h"

namespace pellomi {

// Runtime-command form: argument 0 is a unit reference (low half WindowId).
// Destroys a window after the current handler (or at once with a true second argument).
void RequestWindowDestroyCommand(int argCount, const TypedValue* args, TypedValue* result);
void RequestWindowDestroy(WindowId window, bool atOnce);

}  // namespace pellomi
