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

// A window's menu bar, owned here rather than by the window: a window destroys the menu attached
// to it, so the bar is always taken off its window before it is destroyed, and never destroyed
// by both.
class AttachedMenuBar {
 public:
  AttachedMenuBar() = default;
  AttachedMenuBar(const AttachedMenuBar&) = delete;
  AttachedMenuBar& operator=(const AttachedMenuBar&) = delete;
  ~AttachedMenuBar() { Reset(); }

  HMENU Get() const { return bar_.Get(); }
  // Makes `bar` the bar of `window` and destroys the previous one once it is off the window. A bar
  // without items is kept but not attached: attached, it would still take a strip of the window.
  void Replace(HWND window, platform::UniqueMenu bar);
  // Takes the bar off its window and destroys it. If the window is already gone, it took the bar
  // with it, and the bar is only let go.
  void Reset();

 private:
  platform::UniqueMenu bar_;
  HWND attachedTo_ = nullptr;
};

}  // namespace pellomi
