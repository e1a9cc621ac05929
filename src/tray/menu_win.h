#pragma once
// Win32 menus made from menu plans: the window's menu bar and the transient tray pop-up.
#include <windows.h>

#include "platform/handles_win.h"
#include "runtime/typed_value.h"
#include "tray/menu_plan.h"

namespace pellomi {

// A pop-up menu holding the planned items (sub-menus are owned by it).
platform::UniqueMenu BuildPopupMenu(const std::vector<MenuPlanItem>& items);
// The menu bar of a window's unit table (empty when every top-level unit is hidden).
platform::UniqueMenu BuildMenuBar(const WindowTemplate& table);

// Builds the pop-up from a menu unit and tracks it at the cursor; the choice comes back later as
// WM_COMMAND. Gives up silently when the unit cannot open a menu.
void ShowPopupMenu(WindowId window, WindowId menuWindow, UnitId menuUnit);

// Runtime-command forms: arguments are unit references (low half WindowId, high half UnitId).
void ShowPopupMenuCommand(int argCount, const TypedValue* args, TypedValue* result);
// Destroys a window after the current handler (or at once with a true second argument).
void RequestWindowDestroyCommand(int argCount, const TypedValue* args, TypedValue* result);
void RequestWindowDestroy(WindowId window, bool atOnce);

}  // namespace pellomi
