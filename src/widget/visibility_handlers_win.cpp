// Hiding the widget to the tray and showing it again.
#include "runtime/properties.h"
#include "widget/placement.h"
#include "widget/widget_handlers.h"

namespace pellomi {
namespace {

void SetWindowProperty(int index, std::int32_t value) {
  SetIntProperty(kCountdownWindowId, kWindowUnitId, index, value);
}

void SetChecked(UnitId item, bool checked) {
  SetIntProperty(kCountdownWindowId, item, kMenuPropChecked, checked ? 1 : 0);
}

}  // namespace

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
