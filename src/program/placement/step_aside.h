#pragma once
// Window-free rule of when the widget steps aside for a full-screen program, and what to do on
// a tick.
#include "placement/placement.h"

namespace pellomi {

// What the tick saw of the foreground window and the widget's monitor.
struct FrontFacts {
  bool exists = false;            // there is a foreground window
  bool isDesktopOrShell = false;  // the desktop, the shell's window or its desktop layers
  bool visible = false;
  bool hasCaption = false;              // WS_CAPTION
  bool onWidgetMonitor = false;         // MonitorFromWindow gives the widget's monitor
  ScreenArea rect;                      // the foreground window's rectangle
  ScreenArea widgetMonitor;             // the whole monitor the widget is on
  bool shellReportsFullScreen = false;  // busy, Direct3D full screen or presentation mode
};

// A full-screen program is in front of the widget's monitor.
bool FullScreenInFront(const FrontFacts& facts);

enum class StepAsideAction { kNone, kHide, kShowAgain };

// `steppedAside`: the widget is hidden because of an earlier kHide; `visible`: it is shown now;
// `userHid`: the tray menu's hide carries the mark, which a return must respect.
StepAsideAction StepAsideStep(bool fullScreenInFront, bool steppedAside, bool visible,
                              bool userHid);

}  // namespace pellomi
