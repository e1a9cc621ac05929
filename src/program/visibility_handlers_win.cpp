// Hiding the widget to the tray and showing it again.
#include "placement.h"
#include "properties/properties.h"
#include "widget_handlers.h"
#include "window_handler_support.h"

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
