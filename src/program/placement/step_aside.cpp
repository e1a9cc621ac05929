#include "placement/step_aside.h"

namespace pellomi {

bool FullScreenInFront(const FrontFacts& f) {
  if (!f.exists || f.isDesktopOrShell || !f.onWidgetMonitor) return false;
  if (f.shellReportsFullScreen) return true;
  const bool covers = f.rect.left <= f.widgetMonitor.left && f.rect.top <= f.widgetMonitor.top &&
                      f.rect.right >= f.widgetMonitor.right &&
                      f.rect.bottom >= f.widgetMonitor.bottom;
  return f.visible && !f.hasCaption && covers;
}

StepAsideAction StepAsideStep(bool fullScreenInFront, bool steppedAside, bool visible,
                              bool userHid) {
  if (fullScreenInFront) return visible ? StepAsideAction::kHide : StepAsideAction::kNone;
  if (steppedAside && !visible && !userHid) return StepAsideAction::kShowAgain;
  return StepAsideAction::kNone;
}

}  // namespace pellomi
