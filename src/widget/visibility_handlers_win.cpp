// Hiding the widget to the tray and showing it again.
#include "runtime/properties.h"
#include "widget/placement.h"
#include "widget/widget_handlers.h"
#include "widget/window_handler_support.h"

namespace pellomi {

void OnMinimizeToTray(int, const std::int32_t*) {
  SetWindowProperty(kPropVisible, 0);
  SetChecked(kItemMinimizeToTray, true);
  SetChecked(kItemShowMainWindow, false);
}

void OnShowMainWindow(int, const std::int32_t*) {
  SetWindowProperty(kPropVisible, 1);
  SetWindowProperty(kWindowPropState, 0);
  SetChecked(kItemShowMainWindow, true);
  SetChecked(kItemMinimizeToTray, false);
}

}  // namespace pellomi
