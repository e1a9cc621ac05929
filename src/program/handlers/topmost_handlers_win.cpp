// Always-on-top on request; the timer tick, which re-asserts it and keeps the count current.
#include "handlers/step_aside_win.h"
#include "handlers/widget_handlers.h"
#include "handlers/window_created_handler.h"
#include "handlers/window_handler_support.h"
#include "placement/placement.h"
#include "properties/properties.h"

namespace pellomi {

void OnSetTopmost(int, const std::int32_t*) {
  ChooseWindowSetting(kWindowPropAlwaysOnTop, 1, kItemSetTopmost, kItemCancelTopmost);
}

void OnCancelTopmost(int, const std::int32_t*) {
  ChooseWindowSetting(kWindowPropAlwaysOnTop, 0, kItemCancelTopmost, kItemSetTopmost);
}

void OnTimer(int, const std::int32_t*) {
  // The check mark is the only record of whether always-on-top is wanted. The property write
  // neither shows nor activates the window, so a hidden widget stays hidden.
  if (GetIntProperty(kCountdownWindowId, kItemSetTopmost, kMenuPropChecked) != 0) {
    SetWindowProperty(kWindowPropAlwaysOnTop, 1);
  }
  RecountOnNewDay();
  StepAsideForFullScreen();
}

}  // namespace pellomi
