// Hiding the widget to the tray and showing it again.
#include "handlers/widget_handlers.h"
#include "handlers/window_handler_support.h"
#include "placement/placement.h"
#include "properties/properties.h"

namespace pellomi {

void OnMinimizeToTray(int, const std::int32_t*) {
  ChooseWindowSetting(kPropVisible, 0, kItemMinimizeToTray, kItemShowMainWindow);
}

void OnShowMainWindow(int, const std::int32_t*) {
  SetWindowProperty(kPropVisible, 1);
  ChooseWindowSetting(kWindowPropState, 0, kItemShowMainWindow, kItemMinimizeToTray);
}

}  // namespace pellomi
