// The runtime on real windows: loading the countdown window from its template, command routing,
// closing, unit properties, the timer, and fatal reports seen from a parent process.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "form/runtime_error.h"
#include "form/runtime_state.h"
#include "form/runtime_texts.h"
#include "form/unit_notifications.h"
#include "gbk_win.h"
#include "handlers/handler_table.h"
#include "properties/properties.h"
#include "start/load_window_win.h"
#include "start/runtime_lifecycle_win.h"
#include "template/countdown_template.h"
#include "units/top_level_window_win.h"
#include "values/memory_service.h"
#include "windowed/windowed_unit_win.h"
#include "windows/support/runtime_harness.h"

namespace pellomi {
namespace {

using testing::CountdownHwnd;
using testing::PumpMessages;
using testing::PumpUntil;

// What the test doubles saw.
struct Seen {
  bool createdWhileHidden = false;
  int createdCalls = 0;
  int ticks = 0;
  DWORD lastTick = 0;
  std::string lastMenuHandler;
};
Seen g_seen;

void CreatedRecorder(int, const std::int32_t*) {
  ++g_seen.createdCalls;
  HWND hwnd = CountdownHwnd();
  g_seen.createdWhileHidden = hwnd != nullptr && !IsWindowVisible(hwnd);
}

void TickRecorder(int, const std::int32_t*) {
  ++g_seen.ticks;
  g_seen.lastTick = GetTickCount();
}

template <int N>
void MenuRecorder(int, const std::int32_t*);

// The created event and the timer are observed; menu handlers record their names.
HandlerRoutine TestResolver(std::string_view name) {
  if (name == "OnWindowCreated") return CreatedRecorder;
  if (name == "OnTimer") return TickRecorder;
  if (name == "OnTrayEvent") return nullptr;
  static std::string names[24];
  static HandlerRoutine routines[] = {
      MenuRecorder<0>,  MenuRecorder<1>,  MenuRecorder<2>,  MenuRecorder<3>,  MenuRecorder<4>,
      MenuRecorder<5>,  MenuRecorder<6>,  MenuRecorder<7>,  MenuRecorder<8>,  MenuRecorder<9>,
      MenuRecorder<10>, MenuRecorder<11>, MenuRecorder<12>, MenuRecorder<13>, MenuRecorder<14>,
      MenuRecorder<15>, MenuRecorder<16>, MenuRecorder<17>, MenuRecorder<18>, MenuRecorder<19>};
  for (int i = 0; i < 20; ++i) {
    if (names[i] == name) return routines[i];
    if (names[i].empty()) {
      names[i] = std::string(name);
      return routines[i];
    }
  }
  return nullptr;
}

template <int N>
void MenuRecorder(int, const std::int32_t*) {
  // Recover the name this routine was handed out for.
  for (std::string_view name : CountdownHandlerNames()) {
    if (TestResolver(name) == &MenuRecorder<N>) g_seen.lastMenuHandler = std::string(name);
  }
}

class CountdownWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureRuntime(TestResolver); }
  void SetUp() override {
    g_seen = Seen{};
    hwnd_ = testing::LoadCountdown();
    ASSERT_NE(hwnd_, nullptr);
  }
  void TearDown() override { testing::DestroyCountdown(); }

  static std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
  }

  HWND hwnd_ = nullptr;
};

TEST_F(CountdownWindow, CreatedWhileHiddenThenShownBorderlessAtTheCenter) {
  EXPECT_EQ(g_seen.createdCalls, 1);
  EXPECT_TRUE(g_seen.createdWhileHidden);
  EXPECT_TRUE(IsWindowVisible(hwnd_));
  RECT r{};
  GetWindowRect(hwnd_, &r);
  EXPECT_EQ(r.right - r.left, 300);
  EXPECT_EQ(r.bottom - r.top, 120);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 300) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 120) / 2);
  LONG style = GetWindowLongW(hwnd_, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_BORDER), 0);
  EXPECT_EQ(GetWindow(hwnd_, GW_OWNER), HiddenOwnerWindow());
  EXPECT_EQ(GetMenu(hwnd_), nullptr);
  RECT client{};
  GetClientRect(hwnd_, &client);
  EXPECT_EQ(client.right, 300);  // no frame, no caption, no menu strip
  EXPECT_EQ(client.bottom, 120);
  wchar_t title[32] = {};
  GetWindowTextW(hwnd_, title, 32);
  EXPECT_EQ(std::wstring(title), platform::WideFromGbk("\xB5\xB9\xBC\xC6\xCA\xB1"));  // 倒计时
}

TEST_F(CountdownWindow, ComponentsFollowTheTemplateZOrderWithTheirIdentifiers) {
  HWND first = GetWindow(hwnd_, GW_CHILD);
  ASSERT_NE(first, nullptr);
  HWND second = GetWindow(first, GW_HWNDNEXT);
  ASSERT_NE(second, nullptr);
  HWND third = GetWindow(second, GW_HWNDNEXT);
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(GetWindow(third, GW_HWNDNEXT), nullptr);
  EXPECT_EQ(GetDlgCtrlID(first), 120);   // timer, created last, on top
  EXPECT_EQ(GetDlgCtrlID(second), 110);  // label 2
  EXPECT_EQ(GetDlgCtrlID(third), 100);   // label 1, created first, at the bottom
  EXPECT_FALSE(IsWindowVisible(first));
  EXPECT_TRUE(IsWindowVisible(second));
  EXPECT_TRUE(IsWindowVisible(third));
  EXPECT_NE(ClassOf(first), ClassOf(second));
  RECT r{};
  GetWindowRect(third, &r);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, -14);
  EXPECT_EQ(r.top, -16);
  EXPECT_EQ(r.right - r.left, 328);
}

TEST_F(CountdownWindow, MenuCommandsReachTheItemsHandlers) {
  SendMessageW(hwnd_, WM_COMMAND, 20008, 0);
  EXPECT_EQ(g_seen.lastMenuHandler, "OnPlaceBottomLeft");
  SendMessageW(hwnd_, WM_COMMAND, 20022, 0);
  EXPECT_EQ(g_seen.lastMenuHandler, "OnExit");
  g_seen.lastMenuHandler.clear();
  SendMessageW(hwnd_, WM_COMMAND, 20016, 0);   // "300%": no handler
  SendMessageW(hwnd_, WM_COMMAND, 20023, 0);   // past the run
  SendMessageW(hwnd_, WM_COMMAND, 0xE100, 0);  // system range
  SendMessageW(hwnd_, WM_COMMAND, 20000, 0);   // the hidden root: no handler
  EXPECT_EQ(g_seen.lastMenuHandler, "");
  EXPECT_TRUE(IsWindow(hwnd_));
}

TEST_F(CountdownWindow, CloseRequestDestroysAndDropsTheWorkingCopy) {
  SendMessageW(hwnd_, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(hwnd_));
  EXPECT_EQ(CountdownHwnd(), nullptr);
  EXPECT_FALSE(Runtime().store.Find(kCountdownWindowId)->working);
}

TEST_F(CountdownWindow, GeometryAndVisibilityProperties) {
  SetIntProperty(kCountdownWindowId, kWindowUnitId, kPropLeft, 40);
  SetIntProperty(kCountdownWindowId, kWindowUnitId, kPropTop, 30);
  SetIntProperty(kCountdownWindowId, kWindowUnitId, kPropWidth, 320);
  SetIntProperty(kCountdownWindowId, kWindowUnitId, kPropHeight, -9);
  RECT r{};
  GetWindowRect(hwnd_, &r);
  EXPECT_EQ(r.left, 40);
  EXPECT_EQ(r.top, 30);
  EXPECT_EQ(r.right - r.left, 320);
  EXPECT_EQ(r.bottom - r.top, 0);
  SetIntProperty(kCountdownWindowId, kWindowUnitId, kPropHeight, 120);
  EXPECT_EQ(GetIntProperty(kCountdownWindowId, kWindowUnitId, kPropWidth), 320);
  EXPECT_EQ(GetIntProperty(kCountdownWindowId, kWindowUnitId, kPropHeight), 120);
  EXPECT_EQ(GetIntProperty(kCountdownWindowId, kWindowUnitId, kPropLeft), 40);

  SetIntProperty(kCountdownWindowId, kWindowUnitId, kPropVisible, 0);
  EXPECT_FALSE(IsWindowVisible(hwnd_));
  EXPECT_EQ(GetIntProperty(kCountdownWindowId, kWindowUnitId, kPropVisible), 0);
  SetIntProperty(kCountdownWindowId, kWindowUnitId, kPropVisible, 1);
  EXPECT_TRUE(IsWindowVisible(hwnd_));
  GetWindowRect(hwnd_, &r);
  EXPECT_EQ(r.left, 40);  // shown where it was

  // A label moved through its properties: parent client coordinates.
  SetIntProperty(kCountdownWindowId, units::kProductLabel, kPropLeft, 5);
  EXPECT_EQ(GetIntProperty(kCountdownWindowId, units::kProductLabel, kPropLeft), 5);
  EXPECT_EQ(GetIntProperty(kCountdownWindowId, units::kProductLabel, kPropTop), -16);
}

TEST_F(CountdownWindow, OnlyChangingCheckWritesRebuildTheMenuBar) {
  auto* window = static_cast<TopLevelWindow*>(Runtime().store.Find(kCountdownWindowId)->object);
  HMENU before = window->MenuBar();
  ASSERT_TRUE(IsMenu(before));
  EXPECT_EQ(GetMenuItemCount(before), 0);
  EXPECT_EQ(GetMenu(hwnd_), nullptr);  // an empty bar is not attached
  SetIntProperty(kCountdownWindowId, units::kAlpha200, kMenuPropChecked, 1);  // already checked
  EXPECT_EQ(window->MenuBar(), before);
  SetIntProperty(kCountdownWindowId, units::kAlpha200, kMenuPropChecked, 0);
  HMENU after = window->MenuBar();
  EXPECT_NE(after, before);
  EXPECT_TRUE(IsMenu(after));
  EXPECT_FALSE(IsMenu(before));  // the old bar was destroyed
  // Showing the root makes a bar with one pop-up, which is attached.
  SetIntProperty(kCountdownWindowId, units::kTrayMenu, kMenuPropVisible, 1);
  ASSERT_NE(GetMenu(hwnd_), nullptr);
  EXPECT_EQ(GetMenuItemCount(GetMenu(hwnd_)), 1);
  SetIntProperty(kCountdownWindowId, units::kTrayMenu, kMenuPropVisible, 0);
  EXPECT_EQ(GetMenu(hwnd_), nullptr);
  EXPECT_EQ(GetIntProperty(kCountdownWindowId, units::kAlpha200, kMenuPropChecked), 0);
}

TEST_F(CountdownWindow, TimerTicksOncePerSecondStopsAndKeepsItsPhase) {
  DWORD start = GetTickCount();
  PumpUntil([] { return g_seen.ticks >= 1; }, 3000);
  ASSERT_EQ(g_seen.ticks, 1);
  EXPECT_GE(GetTickCount() - start, 700u);  // the first tick comes about a second after loading
  PumpMessages(2100);
  EXPECT_GE(g_seen.ticks, 2);
  EXPECT_LE(g_seen.ticks, 4);

  // Rewriting the same interval 600 ms after a tick: the next tick still comes ~400 ms later.
  PumpUntil([last = g_seen.ticks] { return g_seen.ticks > last; }, 1500);
  DWORD tickAt = g_seen.lastTick;
  PumpMessages(600);
  SetIntProperty(kCountdownWindowId, units::kTimer, kTimerPropInterval, 1000);
  EXPECT_EQ(GetIntProperty(kCountdownWindowId, units::kTimer, kTimerPropInterval), 1000);
  int ticks = g_seen.ticks;
  PumpUntil([ticks] { return g_seen.ticks > ticks; }, 1500);
  EXPECT_LT(g_seen.lastTick - tickAt, 1400u);

  SetIntProperty(kCountdownWindowId, units::kTimer, kTimerPropInterval, -5);
  EXPECT_EQ(GetIntProperty(kCountdownWindowId, units::kTimer, kTimerPropInterval), 0);
  ticks = g_seen.ticks;
  PumpMessages(1600);
  EXPECT_EQ(g_seen.ticks, ticks);
  SetIntProperty(kCountdownWindowId, units::kTimer, kTimerPropInterval, 200);
  PumpMessages(700);
  EXPECT_GE(g_seen.ticks, ticks + 2);
}

TEST_F(CountdownWindow, EveryTemplateHandlerNameIsBoundInTheProgram) {
  // A misspelt name would silently leave an event without its handler.
  for (std::string_view name : CountdownHandlerNames()) {
    EXPECT_NE(ResolveProgramHandler(name), nullptr) << name;
  }
}

// A unit of the test's own on the window base of every unit kind, refusing its creation at a
// chosen message (or at none) and counting how its object ends.
struct UnitEnds {
  int deleted = 0;
  int reported = 0;  // WindowGone: the runtime would hear of it
};
UnitEnds g_ends;

class RefusingUnit final : public WindowedUnit {
 public:
  static RefusingUnit* Create(UINT refusedMessage, const wchar_t* className = nullptr) {
    static WindowedUnitClass windowClass(L"PellomiRefusingUnit", 0);
    WindowedUnitParams params;
    params.parent = HWND_MESSAGE;  // no screen window needed
    params.className = className;
    return Open(std::unique_ptr<RefusingUnit>(new RefusingUnit(refusedMessage)), windowClass,
                params);
  }
  ~RefusingUnit() override { ++g_ends.deleted; }
  void KindPropertyChanged(int, const PropertyValue&) override {}
  bool GetKindProperty(int, PropertyValue&) const override { return false; }

 private:
  explicit RefusingUnit(UINT refusedMessage) : refusedMessage_(refusedMessage) {}
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == refusedMessage_) return message == WM_NCCREATE ? FALSE : -1;
    return WindowedUnit::Handle(message, wParam, lParam);
  }
  void WindowGone() override { ++g_ends.reported; }

  UINT refusedMessage_;
};

TEST(WindowedUnit, ObjectIsDeletedExactlyOnceWhetherOrNotItsWindowComesToBe) {
  // Refused after the object was attached: the window's last message and the creator both see it.
  for (UINT refused : {WM_NCCREATE, WM_CREATE}) {
    g_ends = {};
    EXPECT_EQ(RefusingUnit::Create(refused), nullptr) << refused;
    EXPECT_EQ(g_ends.deleted, 1) << refused;
    EXPECT_EQ(g_ends.reported, 0) << refused;  // never a live unit: nothing to report
  }
  g_ends = {};
  RefusingUnit* unit = RefusingUnit::Create(0);
  ASSERT_NE(unit, nullptr);
  EXPECT_EQ(g_ends.deleted, 0);
  DestroyWindow(unit->Hwnd());
  EXPECT_EQ(g_ends.deleted, 1);
  EXPECT_EQ(g_ends.reported, 1);
}

TEST(WindowedUnit, AClassOverrideOfAnotherWindowProcedureIsRefusedAndLeavesNothing) {
  WNDCLASSW foreign{};
  foreign.lpfnWndProc = DefWindowProcW;
  foreign.hInstance = GetModuleHandleW(nullptr);
  foreign.lpszClassName = L"PellomiForeignClass";
  ASSERT_NE(RegisterClassW(&foreign), 0);
  g_ends = {};
  EXPECT_EQ(RefusingUnit::Create(0, L"PellomiForeignClass"), nullptr);
  EXPECT_EQ(g_ends.deleted, 1);
  EXPECT_EQ(FindWindowExW(HWND_MESSAGE, nullptr, L"PellomiForeignClass", nullptr), nullptr);
  // Naming the runtime's own class is no override at all.
  RefusingUnit* unit = RefusingUnit::Create(0, L"PellomiRefusingUnit");
  ASSERT_NE(unit, nullptr);
  EXPECT_NE(unit->Hwnd(), nullptr);
  DestroyWindow(unit->Hwnd());
  EXPECT_EQ(g_ends.deleted, 2);
}

TEST(MemoryService, TheProgramsConstantTextsAreNeverReleased) {
  testing::EnsureRuntime(TestResolver);
  static const char kConstant[] = "constant";
  ASSERT_TRUE(IsConstantBlock(kConstant));
  ASSERT_TRUE(IsConstantBlock("a literal passed around as a text"));
  ReleaseBlock(kConstant);  // handed to the heap, this would corrupt it
  EXPECT_STREQ(kConstant, "constant");
  char* block = CopyTextToBlock(kConstant);
  EXPECT_FALSE(IsConstantBlock(block));
  ReleaseBlock(block);
}

// Fatal paths: each runs in a child process, whose report box the parent reads and answers.
TEST(FatalReports, DISABLED_KindPropertyOfAWindowNotLoaded) {
  testing::EnsureRuntime(TestResolver);
  GetIntProperty(kCountdownWindowId, units::kCountdownLabel, kLabelPropCaption);
}

TEST(FatalReports, DISABLED_LoadOfAnUnknownWindow) {
  testing::EnsureRuntime(TestResolver);
  LoadWindow(0x52010002u);
}

TEST(FatalReports, DISABLED_EventOfAnUnknownUnit) {
  testing::EnsureRuntime(TestResolver);
  testing::LoadCountdown();
  FireEvent(kCountdownWindowId, 0x16010001u, 0, 0, nullptr);
}

void ExpectFatalReport(const char* test, std::string_view message, std::uint32_t owner,
                       std::uint32_t position, bool windowLoaded) {
  testing::ChildOutcome outcome = testing::RunChild(std::string("FatalReports.DISABLED_") + test);
  EXPECT_TRUE(outcome.sawBox) << test;
  EXPECT_EQ(static_cast<int>(outcome.exitCode), -1) << test;
  EXPECT_EQ(outcome.boxCaption, platform::WideFromGbk(texts::kErrorCaption));
  // The expected text is composed against a store like the child's.
  TemplateStore store;
  store.Add(BuildCountdownTemplate(TestResolver));
  (void)windowLoaded;
  std::wstring expected =
      platform::WideFromGbk(ComposeRuntimeErrorText(message, 0, owner, position, &store));
  // The box may drop the trailing line break when laying out its static text.
  while (!expected.empty() && (expected.back() == L'\n' || expected.back() == L'\r')) {
    expected.pop_back();
  }
  std::wstring shown = outcome.boxText;
  while (!shown.empty() && (shown.back() == L'\n' || shown.back() == L'\r')) shown.pop_back();
  EXPECT_EQ(shown, expected) << test;
}

TEST(FatalReports, ShowTheirReportAndExitWithMinusOne) {
  ExpectFatalReport("KindPropertyOfAWindowNotLoaded", texts::kGetPropertyNotLoaded,
                    kCountdownWindowId, units::kCountdownLabel, false);
  ExpectFatalReport("LoadOfAnUnknownWindow", texts::kLoadWindowFailed, 0x52010002u, 0, false);
  ExpectFatalReport("EventOfAnUnknownUnit", texts::kEventUnitMissing, kCountdownWindowId,
                    0x16010001u, true);
}

}  // namespace
}  // namespace pellomi
