#include "placement/step_aside.h"

#include <gtest/gtest.h>

namespace pellomi {
namespace {

TEST(StepAside, OnlyACaptionlessWindowCoveringTheWidgetsMonitorInFrontCounts) {
  const ScreenArea monitor{1024, 0, 1824, 600};
  FrontFacts fullScreen;
  fullScreen.exists = true;
  fullScreen.visible = true;
  fullScreen.onWidgetMonitor = true;
  fullScreen.rect = monitor;
  fullScreen.widgetMonitor = monitor;
  auto with = [&fullScreen](auto change) {
    FrontFacts f = fullScreen;
    change(f);
    return f;
  };
  struct Case {
    const char* what;
    FrontFacts facts;
    bool inFront;
  };
  const Case cases[] = {
      {"covers the monitor exactly", fullScreen, true},
      {"larger than the monitor", with([](FrontFacts& f) {
         f.rect = {1000, -10, 1900, 700};
       }),
       true},
      {"one pixel short", with([](FrontFacts& f) { f.rect.bottom -= 1; }), false},
      {"maximised with a title bar", with([](FrontFacts& f) { f.hasCaption = true; }), false},
      {"hidden", with([](FrontFacts& f) { f.visible = false; }), false},
      {"the desktop", with([](FrontFacts& f) { f.isDesktopOrShell = true; }), false},
      {"on another monitor", with([](FrontFacts& f) { f.onWidgetMonitor = false; }), false},
      {"no foreground window", FrontFacts{}, false},
      {"the shell says presentation", with([](FrontFacts& f) {
         f.hasCaption = true;
         f.rect = {1100, 0, 1500, 300};
         f.shellReportsFullScreen = true;
       }),
       true},
      {"the shell says so, but about another monitor's window", with([](FrontFacts& f) {
         f.shellReportsFullScreen = true;
         f.onWidgetMonitor = false;
       }),
       false},
  };
  for (const Case& c : cases) EXPECT_EQ(FullScreenInFront(c.facts), c.inFront) << c.what;
}

TEST(StepAside, HidesWhenShownAndReturnsOnlyFromItsOwnHide) {
  using A = StepAsideAction;
  struct Case {
    bool inFront, steppedAside, visible, userHid;
    StepAsideAction action;
  };
  const Case cases[] = {
      {true, false, true, false, A::kHide},        // a full-screen program came
      {true, true, false, false, A::kNone},        // still there
      {false, true, false, false, A::kShowAgain},  // it left
      {false, true, false, true, A::kNone},        // the user hid it meanwhile: stays hidden
      {true, false, false, true, A::kNone},        // the user's hide before it came
      {false, false, false, true, A::kNone},       // the user's hide, nothing in front
      {false, false, true, false, A::kNone},       // an ordinary desk
      {false, true, true, false, A::kNone},        // shown again from the menu meanwhile
      {true, true, true, false, A::kHide},         // shown from the menu over it: aside again
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StepAsideStep(c.inFront, c.steppedAside, c.visible, c.userHid), c.action)
        << c.inFront << c.steppedAside << c.visible << c.userHid;
  }
}

}  // namespace
}  // namespace pellomi
