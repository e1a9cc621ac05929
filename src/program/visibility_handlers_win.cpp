// Hiding the widget to the tray and showing it again.
#include "placement.h"
#include "properties/properties.h"
#include "widget_handlers.h"
#include "window_handler_support.h"

namespace pellomi {

void OnMinimizeToTray(int, const std::int32_t*) {
  SetWindowProperty(kPropVisible, 0);
  CheckOneOf(kItemMinimizeToTray, kItemShowMainWindow);
}

void OnShowMainWindow(int, const std::int32_t*) {
  SetWindowProperty(kPropVisible, 1);
  SetWindowProperty(kWindowPropState, 0);
  CheckOneOf(kItemShowMainWindow, kItemMinimizeToTray);
}

}  // namespace pellomi
