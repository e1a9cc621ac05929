#pragma once
// Win32 menus made from menu plans: a window's menu bar and a pop-up menu.
#include <windows.h>

#include "handles_win.h"
#include "menu/menu_plan.h"

namespace pellomi {

// A pop-up menu holding the planned items (sub-menus are owned by it).
platform::UniqueMenu BuildPopupMenu(const std::vector<MenuPlanItem>& items);
// The menu bar of a window's unit table (empty when every top-level unit is hidden).
platform::UniqueMenu BuildMenuBar(const WindowTemplate& table);

}  // namespace pellomi
