// Fatal runtime errors not covered elsewhere: each runs in a child process, which must show its
// exact report under the caption "错误" and end with -1 once the box is answered.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>

#include "form/runtime_error.h"
#include "form/runtime_state.h"
#include "form/runtime_texts.h"
#include "form/template_store.h"
#include "form/unit_notifications.h"
#include "form/window_lookup.h"
#include "gbk_win.h"
#include "handlers/handler_table.h"
#include "late_bound/dll_command.h"
#include "late_bound/dll_command_inspection_win.h"
#include "properties/properties.h"
#include "start/load_window_win.h"
#include "template/countdown_template.h"
#include "template/countdown_units.h"
#include "windows/support/runtime_harness.h"

namespace pellomi {
namespace {

constexpr WindowId kBrokenWindowId = 0x52010003u;
constexpr WindowId kUnknownWindowId = 0x52010009u;
constexpr UnitId kForeignUnit = 0x16017777u;  // a component id the countdown window lacks

// The countdown template under another id, its caption label stored in a later record version,
// which the label refuses: the window cannot create all of its units.
WindowTemplate BrokenLabelTemplate() {
  WindowTemplate broken = BuildCountdownTemplate(ResolveProgramHandler);
  broken.id = kBrokenWindowId;
  for (UnitRecord& unit : broken.units) {
    if (unit.id == units::kCountdownLabel && unit.kindData.size() >= 4) {
      unit.kindData[0] = 2;
      unit.kindData[1] = unit.kindData[2] = unit.kindData[3] = 0;
    }
  }
  return broken;
}

// A late-bound entry whose export no system library has.
constexpr const char* kMissingLibraries[] = {"user32.dll"};
constexpr const char* kMissingExports[] = {"SetWindowGlowAttributes"};

TEST(FatalChild, DISABLED_UnitThatCannotBeCreated) {
  testing::EnsureRuntime();
  Runtime().store.Add(BrokenLabelTemplate());
  LoadWindow(kBrokenWindowId);
}

TEST(FatalChild, DISABLED_KindPropertySetOnAWindowNotLoaded) {
  testing::EnsureRuntime();
  SetTextProperty(kCountdownWindowId, units::kCountdownLabel, kLabelPropCaption, "x");
}

TEST(FatalChild, DISABLED_PropertyOfAUnitTheWindowLacks) {
  testing::EnsureRuntime();
  testing::LoadCountdown();
  GetUnitProperty(kCountdownWindowId, kForeignUnit, kPropLeft, -1);
}

TEST(FatalChild, DISABLED_WindowCommandOnAWindowNotLoaded) {
  testing::EnsureRuntime();
  testing::LoadCountdown();
  testing::DestroyCountdown();
  // The placement handlers reach the window through its live object.
  ResolveProgramHandler("OnPlaceBottomLeft")(0, nullptr);
}

TEST(FatalChild, DISABLED_PropertyOfAnUnknownWindow) {
  testing::EnsureRuntime();
  SetIntProperty(kUnknownWindowId, kWindowUnitId, kPropLeft, 5);
}

TEST(FatalChild, DISABLED_EventOfAnUnknownWindow) {
  testing::EnsureRuntime();
  FireEvent(kUnknownWindowId, 0, 0, 0, nullptr);
}

TEST(FatalChild, DISABLED_EventOfAUnitThatRaisesNone) {
  testing::EnsureRuntime();
  testing::LoadCountdown();
  FireEvent(kCountdownWindowId, units::kProductLabel, 0, 0, nullptr);
}

TEST(FatalChild, DISABLED_LateBoundExportMissing) {
  testing::EnsureRuntime();
  static const DllCommandTable table{1, kMissingLibraries, kMissingExports};
  DllCommandBinder binder(table, SystemLibraryLoading());
  binder.Bind(0);
}

std::wstring WithoutTrailingBreaks(std::wstring text) {
  // The box may drop the last line break when laying out its text.
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) text.pop_back();
  return text;
}

void ExpectReport(const char* child, std::string_view message, std::uint32_t owner,
                  std::uint32_t position, bool withBrokenTemplate = false) {
  SCOPED_TRACE(child);
  const testing::ChildOutcome outcome =
      testing::RunChild(std::string("FatalChild.DISABLED_") + child);
  EXPECT_TRUE(outcome.sawBox);
  EXPECT_EQ(static_cast<int>(outcome.exitCode), -1);
  EXPECT_EQ(outcome.boxCaption, platform::WideFromGbk(texts::kErrorCaption));
  // Composed against a store holding what the child's held.
  TemplateStore store;
  store.Add(BuildCountdownTemplate(ResolveProgramHandler));
  if (withBrokenTemplate) store.Add(BrokenLabelTemplate());
  const std::wstring expected =
      platform::WideFromGbk(ComposeRuntimeErrorText(message, 0, owner, position, &store));
  EXPECT_EQ(WithoutTrailingBreaks(outcome.boxText), WithoutTrailingBreaks(expected));
}

TEST(FatalPaths, WindowLoadingFailsWhenAUnitCannotBeCreated) {
  ExpectReport("UnitThatCannotBeCreated", texts::kLoadWindowFailed, kBrokenWindowId, 0, true);
}

TEST(FatalPaths, PropertyAccessToWhatIsNotThere) {
  ExpectReport("KindPropertySetOnAWindowNotLoaded", texts::kSetPropertyNotLoaded,
               kCountdownWindowId, units::kCountdownLabel);
  ExpectReport("PropertyOfAUnitTheWindowLacks", texts::kUnitObjectMissing, kCountdownWindowId,
               kForeignUnit);
  ExpectReport("WindowCommandOnAWindowNotLoaded", texts::kUnitObjectMissing, kCountdownWindowId,
               kWindowUnitId);
  ExpectReport("PropertyOfAnUnknownWindow", texts::kPropertyWindowMissing, kUnknownWindowId,
               kWindowUnitId);
}

TEST(FatalPaths, EventsThatCannotBeDelivered) {
  ExpectReport("EventOfAnUnknownWindow", texts::kEventWindowMissing, kUnknownWindowId, 0);
  ExpectReport("EventOfAUnitThatRaisesNone", texts::kEventUnitInvalid, kCountdownWindowId,
               units::kProductLabel);
}

TEST(FatalPaths, LateBoundExportThatNoLibraryHas) {
  ExpectReport("LateBoundExportMissing",
               ExportMissingMessage(kMissingLibraries[0], kMissingExports[0]), 0, 0);
  // The message names both the library and the export, in the program's own words.
  const std::string message = ExportMissingMessage(kMissingLibraries[0], kMissingExports[0]);
  EXPECT_NE(message.find("user32.dll"), std::string::npos);
  EXPECT_NE(message.find(kMissingExports[0]), std::string::npos);
}

}  // namespace
}  // namespace pellomi
