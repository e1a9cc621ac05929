#pragma once
// The pop-up menu command: a menu unit's items tracked at the cursor.
#include "form/identifiers.h"
#include "values/typed_value.h"

namespace pellomi {

// Builds the pop-up from a menu unit and tracks it at the cursor; the choice comes back later as
// WM_COMMAND. Gives up silently when the unit cannot open a menu.
void ShowPopupMenu(WindowId window, WindowId menuWindow, UnitId menuUnit);

// On the program's periodic tick: puts back a tray icon the shell refused (see TrayIcon).
void KeepTrayIconShown(WindowId window);

// Whether one of the loaded window's menus is open (its modal loop runs): a topmost menu lies
// over the window then, and raising the window would cover it.
bool IsMenuLoopOpen(WindowId window);

// Runtime-command forms: arguments are unit references (low half WindowId, high half UnitId).
void ShowPopupMenuCommand(int argCount, const TypedValue* args, TypedValue* result);

}  // namespace pellomi
