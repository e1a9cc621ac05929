// Always-on-top on request; the timer tick, which re-asserts it and keeps the count current.
#include "handlers/step_aside_win.h"
#include "handlers/widget_handlers.h"
#include "handlers/window_created_handler.h"
#include "handlers/window_handler_support.h"
#include "placement/placement.h"
#include "properties/properties.h"
#include "template/countdown_template.h"
#include "window_commands/popup_menu_win.h"

namespace pellomi {

void OnSetTopmost(int, const std::int32_t*) {
  ChooseWindowSetting(kWindowPropAlwaysOnTop, 1, kItemSetTopmost, kItemCancelTopmost);
}

void OnCancelTopmost(int, const std::int32_t*) {
  ChooseWindowSetting(kWindowPropAlwaysOnTop, 0, kItemCancelTopmost, kItemSetTopmost);
}

namespace {

void ReassertTopmost() {
  // The check mark is the only record of whether always-on-top is wanted. The property write
  // neither shows nor activates the window, so a hidden widget stays hidden.
  if (GetIntProperty(kCountdownWindowId, kItemSetTopmost, kMenuPropChecked) == 0) return;
  // A menu is a topmost window too: raised over it, the widget would cover its own menu.
  if (IsMenuLoopOpen(kCountdownWindowId)) return;
  SetWindowProperty(kWindowPropAlwaysOnTop, 1);
}

}  // namespace

void OnTimer(int, const std::int32_t*) {
  ReassertTopmost();
  // A refused first add is followed by no TaskbarCreated: without the icon nothing could hide or
  // close the click-through widget.
  KeepTrayIconShown(kCountdownWindowId);
  RecountOnNewDay();
  StepAsideForFullScreen();
}

}  // namespace pellomi
