// The countdown window's template content and the identifier rules it relies on.
#include <gtest/gtest.h>

#include "form/identifiers.h"
#include "host/support/runtime_fixture.h"
#include "template/countdown_template.h"
#include "units/window_record.h"

namespace pellomi {
namespace {

using testing::RecordingResolver;

std::string HandlerNameOf(HandlerRoutine routine) {
  if (routine == nullptr) return "";
  testing::HandlerCalls().clear();
  routine(0, nullptr);
  return testing::HandlerCalls().empty() ? "?" : testing::HandlerCalls().front().first;
}

TEST(IdentifierRules, ClassAndRoleBits) {
  EXPECT_TRUE(IsWindowId(kCountdownWindowId));
  EXPECT_FALSE(IsWindowId(kWindowUnitId));
  EXPECT_TRUE(IsUnitIdentifier(kWindowUnitId));
  EXPECT_EQ(UnitRole(kWindowUnitId), 0u);
  EXPECT_EQ(UnitRole(units::kTimer), 1u);
  EXPECT_TRUE(IsMenuItemId(units::kTrayMenu));
  EXPECT_FALSE(IsMenuItemId(units::kCountdownLabel));
  EXPECT_FALSE(IsMenuItemId(0x22012B13u));  // role 2 but not a unit
}

TEST(CountdownTemplate, UnitsInTemplateOrder) {
  WindowTemplate t = BuildCountdownTemplate(RecordingResolver);
  ASSERT_EQ(t.id, kCountdownWindowId);
  ASSERT_EQ(t.units.size(), 27u);
  EXPECT_EQ(t.units[0].id, kWindowUnitId);
  EXPECT_EQ(t.units[0].kind, UnitKind::kWindow);
  EXPECT_EQ(t.units[1].id, units::kTimer);
  EXPECT_EQ(t.units[1].kind, UnitKind::kTimer);
  for (int i = 2; i <= 24; ++i) EXPECT_TRUE(t.units[i].IsMenuItem()) << i;
  EXPECT_EQ(t.units[2].id, units::kTrayMenu);
  EXPECT_EQ(t.units[24].id, units::kExit);
  EXPECT_EQ(t.units[25].id, units::kCountdownLabel);
  EXPECT_EQ(t.units[26].id, units::kProductLabel);
  EXPECT_EQ(t.units[25].kind, UnitKind::kTransparentLabel);
  for (const UnitRecord& u : t.units) {
    EXPECT_EQ(u.IsMenuItem(), IsMenuItemId(u.id)) << std::hex << u.id;
  }
}

TEST(CountdownTemplate, GenericFields) {
  WindowTemplate t = BuildCountdownTemplate(RecordingResolver);
  struct Expected {
    int index, left, top, width, height;
    bool visible;
  } rows[] = {{0, 50, 50, 300, 120, true},
              {1, 232, 8, 32, 32, false},
              {25, -30, 40, 360, 64, true},
              {26, -14, -16, 328, 88, true}};
  for (const Expected& e : rows) {
    const UnitRecord& u = t.units[e.index];
    EXPECT_EQ(u.left, e.left) << e.index;
    EXPECT_EQ(u.top, e.top) << e.index;
    EXPECT_EQ(u.width, e.width) << e.index;
    EXPECT_EQ(u.height, e.height) << e.index;
    EXPECT_EQ((u.flags & kUnitVisible) != 0, e.visible) << e.index;
    EXPECT_EQ(u.flags & (kUnitDisabled | kUnitTabStop), 0u) << e.index;
    EXPECT_TRUE(u.tag.empty());
    EXPECT_EQ(u.parent, 0u);
  }
  EXPECT_EQ(t.units[1].name,
            "\xCA\xB1\xD6\xD3"
            "1");  // 时钟1
}

TEST(CountdownTemplate, WindowAndTimerRecords) {
  WindowTemplate t = BuildCountdownTemplate(RecordingResolver);
  std::optional<WindowRecord> window = ReadWindowRecord(t.units[0].kindData);
  ASSERT_TRUE(window);
  EXPECT_EQ(window->version, 6u);
  EXPECT_EQ(window->title, "\xB5\xB9\xBC\xC6\xCA\xB1");  // 倒计时
  EXPECT_EQ(window->borderStyle, 0);
  EXPECT_EQ(window->backgroundColour, 0x00FFFFFFu);
  EXPECT_EQ(window->windowState, kStateCentered);
  EXPECT_FALSE(window->shownInTaskbar);
  EXPECT_FALSE(window->alwaysOnTop);
  EXPECT_FALSE(window->escapeCloses);
  EXPECT_TRUE(window->controlBox);
  EXPECT_TRUE(window->minimizeBox);
  EXPECT_FALSE(window->maximizeBox);
  EXPECT_EQ(ReadTimerRecord(t.units[1].kindData), 1000);
}

TEST(CountdownTemplate, MenuLevelsCaptionsAndInitialMarks) {
  WindowTemplate t = BuildCountdownTemplate(RecordingResolver);
  const int levels[] = {0, 1, 1, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 1, 1, 1};
  std::vector<UnitId> checked, hidden;
  for (int i = 0; i < 23; ++i) {
    const UnitRecord& u = t.units[2 + i];
    EXPECT_EQ(u.menu.level, levels[i]) << i;
    EXPECT_EQ(u.menu.shortcut, 0u);
    EXPECT_EQ(u.menu.flags & kMenuDisabled, 0u);
    EXPECT_TRUE(u.name.empty());
    if (u.menu.flags & kMenuChecked) checked.push_back(u.id);
    if (u.menu.flags & kMenuHidden) hidden.push_back(u.id);
  }
  EXPECT_EQ(checked, (std::vector<UnitId>{units::kShowMainWindow, units::kPlaceTopCenter,
                                          units::kAlpha200, units::kCancelTopmost}));
  EXPECT_EQ(hidden, std::vector<UnitId>{units::kTrayMenu});
  EXPECT_EQ(t.units[2 + 20].menu.caption, "-");
  EXPECT_EQ(t.units[2 + 16].menu.caption, "300%");
}

TEST(CountdownTemplate, EventBindings) {
  WindowTemplate t = BuildCountdownTemplate(RecordingResolver);
  const std::pair<int, std::string> windowBindings[] = {
      {0, "OnWindowCreated"}, {9, "OnTrayEvent"},       {13, "OnClockChanged"},
      {14, "OnClockChanged"}, {15, "OnDisplayChanged"}, {16, "OnDpiChanged"},
      {17, "OnSecondStart"}};
  ASSERT_EQ(t.units[0].bindings.size(), std::size(windowBindings));
  for (std::size_t i = 0; i < std::size(windowBindings); ++i) {
    EXPECT_EQ(t.units[0].bindings[i].event, windowBindings[i].first);
    EXPECT_EQ(HandlerNameOf(t.units[0].bindings[i].handler), windowBindings[i].second);
  }
  ASSERT_EQ(t.units[1].bindings.size(), 1u);
  EXPECT_EQ(HandlerNameOf(t.units[1].bindings[0].handler), "OnTimer");
  EXPECT_TRUE(t.units[25].bindings.empty());
  EXPECT_TRUE(t.units[26].bindings.empty());

  const char* menuHandlers[] = {"",
                                "OnMinimizeToTray",
                                "OnShowMainWindow",
                                "",
                                "OnPlaceTopCenter",
                                "OnPlaceBottomCenter",
                                "OnPlaceTopLeft",
                                "OnPlaceTopRight",
                                "OnPlaceBottomLeft",
                                "OnPlaceBottomRight",
                                "",
                                "OnAlpha50",
                                "OnAlpha100",
                                "OnAlpha150",
                                "OnAlpha200",
                                "OnAlpha250",
                                "",
                                "",
                                "OnSetTopmost",
                                "OnCancelTopmost",
                                "",
                                "",
                                "OnExit"};
  for (int i = 0; i < 23; ++i) {
    EXPECT_EQ(HandlerNameOf(t.units[2 + i].menu.handler), menuHandlers[i]) << i;
  }
}

}  // namespace
}  // namespace pellomi
