// The widget's transparency, corners and late-bound calls on a window of the test's own, then
// placement, visibility and always-on-top on the real countdown window loaded by the runtime.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>

#include "form/window_lookup.h"
#include "handlers/widget_handlers.h"
#include "handles_win.h"
#include "label/transparent_label_win.h"
#include "late_bound/dll_command_inspection_win.h"
#include "late_bound/dll_command_win.h"
#include "layered/transparency_win.h"
#include "properties/properties.h"
#include "template/countdown_template.h"
#include "windows/support/runtime_harness.h"

namespace pellomi {
namespace {

using Regions = platform::CensusOf<LateBoundRegion>;  // the widget's regions
using Modules = platform::CensusOf<platform::UniqueModule>;
using Fonts = platform::CensusOf<platform::UniqueFont>;

// A borderless 300 x 120 tool window like the widget, not shown.
class PlainWindow {
 public:
  PlainWindow() {
    static const bool registered = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = DefWindowProcW;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = L"PellomiWidgetTestWindow";
      return RegisterClassW(&wc) != 0;
    }();
    EXPECT_TRUE(registered);
    window_.Reset(CreateWindowExW(WS_EX_TOOLWINDOW, L"PellomiWidgetTestWindow", L"test", WS_POPUP,
                                  40, 40, 300, 120, nullptr, nullptr, GetModuleHandleW(nullptr),
                                  nullptr));
    EXPECT_NE(window_.Get(), nullptr);
  }
  HWND Get() const { return window_.Get(); }

 private:
  platform::UniqueWindow window_;
};

LONG ExStyle(HWND window) {
  return GetWindowLongW(window, GWL_EXSTYLE);
}

struct LayeredAttributes {
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
};
LayeredAttributes Attributes(HWND window) {
  LayeredAttributes a;
  EXPECT_TRUE(GetLayeredWindowAttributes(window, &a.key, &a.alpha, &a.flags));
  return a;
}

// Whether the window's region holds a point (window coordinates).
bool RegionHolds(HWND window, int x, int y) {
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(window, probe);
  const bool inside = kind != ERROR && PtInRegion(probe, x, y);
  DeleteObject(probe);
  return inside;
}

TEST(ApplyTransparency, ClickThroughAddsLayeredAndTransparentToTheStyle) {
  PlainWindow window;
  ApplyTransparency(window.Get(), 180, 0, true);
  const LONG style = ExStyle(window.Get());
  EXPECT_EQ(style & WS_EX_LAYERED, WS_EX_LAYERED);
  EXPECT_EQ(style & WS_EX_TRANSPARENT, WS_EX_TRANSPARENT);
  EXPECT_EQ(style & WS_EX_TOOLWINDOW, WS_EX_TOOLWINDOW);
  const LayeredAttributes a = Attributes(window.Get());
  EXPECT_EQ(a.alpha, 180);
  EXPECT_EQ(a.flags, static_cast<DWORD>(LWA_ALPHA));
}

TEST(ApplyTransparency, WithoutClickThroughTheStyleIsExactlyLayered) {
  PlainWindow window;
  ApplyTransparency(window.Get(), 50, 0, true);
  ApplyTransparency(window.Get(), 50, 0, false);
  EXPECT_EQ(ExStyle(window.Get()), 0x80000);
  EXPECT_EQ(Attributes(window.Get()).alpha, 50);
}

TEST(ApplyTransparency, ColourKeyWithAlphaZeroUsesOnlyTheKey) {
  PlainWindow window;
  ApplyTransparency(window.Get(), 0, RGB(255, 0, 255), true);
  const LayeredAttributes keyed = Attributes(window.Get());
  EXPECT_EQ(keyed.flags, static_cast<DWORD>(LWA_COLORKEY));
  EXPECT_EQ(keyed.key, RGB(255, 0, 255));
  ApplyTransparency(window.Get(), 200, RGB(255, 0, 255), true);
  const LayeredAttributes both = Attributes(window.Get());
  EXPECT_EQ(both.flags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));
  EXPECT_EQ(both.alpha, 200);
}

TEST(ApplyTransparency, NullWindowFailsQuietly) {
  ApplyTransparency(nullptr, 180, 0, true);
  ApplyRoundCorners(nullptr);
  SUCCEED();
}

TEST(GetClientSize, GivesTheClientRectangleOrZeroOnFailure) {
  PlainWindow window;
  std::int32_t width = -1, height = -1;
  EXPECT_TRUE(GetClientSize(window.Get(), width, height));
  EXPECT_EQ(width, 300);
  EXPECT_EQ(height, 120);
  EXPECT_FALSE(GetClientSize(nullptr, width, height));
  EXPECT_EQ(width, 0);
  EXPECT_EQ(height, 0);
}

TEST(ApplyRoundCorners, OmittedSizesRoundByFiftyAndTheWindowTakesTheRegion) {
  PlainWindow window;
  const long regionsBefore = Regions::live;
  ApplyRoundCorners(window.Get());
  EXPECT_EQ(Regions::live, regionsBefore);
  EXPECT_TRUE(RegionHolds(window.Get(), 150, 60));
  EXPECT_TRUE(RegionHolds(window.Get(), 150, 0));
  for (POINT corner : {POINT{0, 0}, POINT{299, 0}, POINT{0, 119}, POINT{299, 119}, POINT{6, 6}}) {
    EXPECT_FALSE(RegionHolds(window.Get(), corner.x, corner.y)) << corner.x << "," << corner.y;
  }
  // (8, 2) lies outside a radius-25 corner but inside a radius-5 one.
  EXPECT_FALSE(RegionHolds(window.Get(), 8, 2));
  RECT box{};
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  GetWindowRgn(window.Get(), probe);
  GetRgnBox(probe, &box);
  DeleteObject(probe);
  // Round-rectangle regions stop one pixel short of the right and bottom edges.
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_GE(box.right, 299);
  EXPECT_LE(box.right, 300);
  EXPECT_GE(box.bottom, 119);
  EXPECT_LE(box.bottom, 120);
}

TEST(ApplyRoundCorners, SecondCallReplacesTheRegionWithoutLeaking) {
  PlainWindow window;
  const long regionsBefore = Regions::live;
  ApplyRoundCorners(window.Get(), 50, 50);
  ApplyRoundCorners(window.Get(), 10, 10);
  EXPECT_EQ(Regions::live, regionsBefore);
  EXPECT_TRUE(RegionHolds(window.Get(), 8, 2));
  EXPECT_FALSE(RegionHolds(window.Get(), 0, 0));
}

TEST(ApplyRoundCorners, RefusedRegionIsDeletedNotLeaked) {
  const long regionsBefore = Regions::live;
  const long madeBefore = Regions::acquired;
  HWND gone = nullptr;
  {
    PlainWindow window;
    gone = window.Get();
  }
  ApplyRoundCorners(gone, 50, 50);  // a destroyed window refuses the region
  ASSERT_EQ(Regions::acquired, madeBefore + 1);
  EXPECT_EQ(GetObjectType(Regions::last), 0u) << "the refused region still exists";
  EXPECT_EQ(Regions::live, regionsBefore);
}

TEST(DllCommands, BindFromTheSystemLibrariesOnceAndAgainAfterUnloading) {
  UnloadDllCommands();
  const long loadsBefore = Modules::acquired;
  EXPECT_FALSE(IsDllCommandBound(DllCommandIndex::kGetClientRect));
  RECT rect{};
  DllGetClientRect(nullptr, &rect);
  DllGetClientRect(nullptr, &rect);
  DllGetWindowLong(nullptr, GWL_EXSTYLE);
  EXPECT_EQ(Modules::acquired, loadsBefore + 2);  // one per entry, not per call
  EXPECT_TRUE(IsDllCommandBound(DllCommandIndex::kGetClientRect));
  EXPECT_EQ(DllCommandModule(DllCommandIndex::kGetClientRect), GetModuleHandleW(L"user32.dll"));
  EXPECT_EQ(
      DllCommandAddress(DllCommandIndex::kGetClientRect),
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetClientRect")));

  HGDIOBJ region = DllCreateRoundRectRgn(0, 0, 10, 10, 4, 4);
  EXPECT_NE(region, nullptr);
  EXPECT_TRUE(DllDeleteObject(region));
  EXPECT_EQ(DllCommandModule(DllCommandIndex::kDeleteObject), GetModuleHandleW(L"gdi32.dll"));

  UnloadDllCommands();
  EXPECT_EQ(Modules::live, 0);  // every library that binding loaded was given back
  EXPECT_FALSE(IsDllCommandBound(DllCommandIndex::kGetClientRect));
  EXPECT_EQ(DllCommandModule(DllCommandIndex::kGetClientRect), nullptr);
  DllGetClientRect(nullptr, &rect);
  EXPECT_EQ(Modules::acquired, loadsBefore + 5);
}

TEST(DllCommands, SetWindowLongKeepsThirtyTwoBitValues) {
  PlainWindow window;
  const std::int32_t before = DllGetWindowLong(window.Get(), GWL_EXSTYLE);
  const std::int32_t previous = DllSetWindowLong(window.Get(), GWL_EXSTYLE, before | WS_EX_LAYERED);
  EXPECT_EQ(previous, before);
  EXPECT_EQ(DllGetWindowLong(window.Get(), GWL_EXSTYLE), before | WS_EX_LAYERED);
  EXPECT_EQ(DllGetWindowLong(window.Get(), GWL_EXSTYLE), ExStyle(window.Get()));
}

// The countdown window as the runtime loads it. Loading is quick but destroying it takes seconds
// under Wine, so the cases share one window and each starts from shown, not topmost, top center.
class CountdownWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { hwnd_ = testing::LoadCountdown(); }
  static void TearDownTestSuite() { testing::DestroyCountdown(); }
  void SetUp() override {
    ASSERT_NE(hwnd_, nullptr);
    OnShowMainWindow(0, nullptr);
    OnCancelTopmost(0, nullptr);
    OnPlaceTopCenter(0, nullptr);
  }

  static RECT Rect() {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r;
  }
  static bool Checked(UnitId item) {
    return GetIntProperty(kCountdownWindowId, item, kMenuPropChecked) != 0;
  }
  // Whether `window` is above `other` in the z-order.
  static bool Above(HWND window, HWND other) {
    for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
      if (w == window) return true;
      if (w == other) return false;
    }
    return false;
  }

  static HWND hwnd_;
};
HWND CountdownWindow::hwnd_ = nullptr;

// A freshly loaded window, to see exactly what start-up did.
class CountdownStartUp : public CountdownWindow {
 protected:
  static void SetUpTestSuite() {}
  static void TearDownTestSuite() {}
  void SetUp() override {
    hwnd_ = testing::LoadCountdown();
    ASSERT_NE(hwnd_, nullptr);
  }
  void TearDown() override { testing::DestroyCountdown(); }
};

constexpr std::array<UnitId, 5> kAlphaItems = {units::kAlpha50, units::kAlpha100, units::kAlpha150,
                                               units::kAlpha200, units::kAlpha250};
constexpr std::array<UnitId, 6> kPositionItemIds = {
    units::kPlaceTopLeft,    units::kPlaceTopCenter,    units::kPlaceTopRight,
    units::kPlaceBottomLeft, units::kPlaceBottomCenter, units::kPlaceBottomRight};

TEST_F(CountdownStartUp, IsLayeredClickThroughRoundedAtTopCenter) {
  const LONG style = ExStyle(hwnd_);
  EXPECT_EQ(style & WS_EX_LAYERED, WS_EX_LAYERED);
  EXPECT_EQ(style & WS_EX_TRANSPARENT, WS_EX_TRANSPARENT);
  const LayeredAttributes a = Attributes(hwnd_);
  EXPECT_EQ(a.alpha, 180);
  EXPECT_EQ(a.flags, static_cast<DWORD>(LWA_ALPHA));

  EXPECT_TRUE(RegionHolds(hwnd_, 150, 60));
  for (POINT corner : {POINT{0, 0}, POINT{298, 0}, POINT{0, 118}, POINT{298, 118}}) {
    EXPECT_FALSE(RegionHolds(hwnd_, corner.x, corner.y)) << corner.x << "," << corner.y;
  }

  const RECT r = Rect();
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 300) / 2);
  EXPECT_EQ(r.top, 10);
  EXPECT_EQ(r.right - r.left, 300);
  EXPECT_EQ(r.bottom - r.top, 120);
  EXPECT_TRUE(IsWindowVisible(hwnd_));
  // Start-up leaves the template's check marks: "200%" although the alpha is 180.
  EXPECT_TRUE(Checked(units::kAlpha200));
  EXPECT_TRUE(Checked(units::kPlaceTopCenter));
  EXPECT_EQ(ExStyle(hwnd_) & WS_EX_TOPMOST, 0);
}

TEST_F(CountdownWindow, AlphaHandlersSetTheAlphaAndCheckOnlyTheirItem) {
  const struct {
    HandlerRoutine handler;
    BYTE alpha;
    UnitId item;
  } cases[] = {{OnAlpha150, 150, units::kAlpha150},
               {OnAlpha50, 50, units::kAlpha50},
               {OnAlpha250, 250, units::kAlpha250},
               {OnAlpha100, 100, units::kAlpha100},
               {OnAlpha200, 200, units::kAlpha200}};
  const bool alpha300Before = Checked(units::kAlpha300);
  for (const auto& c : cases) {
    c.handler(0, nullptr);
    const LayeredAttributes a = Attributes(hwnd_);
    EXPECT_EQ(a.alpha, c.alpha);
    EXPECT_EQ(a.flags, static_cast<DWORD>(LWA_ALPHA));
    EXPECT_EQ(ExStyle(hwnd_) & (WS_EX_LAYERED | WS_EX_TRANSPARENT),
              WS_EX_LAYERED | WS_EX_TRANSPARENT);
    for (UnitId item : kAlphaItems) EXPECT_EQ(Checked(item), item == c.item) << std::hex << item;
    EXPECT_EQ(Checked(units::kAlpha300), alpha300Before);
  }
}

TEST_F(CountdownWindow, PlacementHandlersMoveToTheirPointAndCheckOnlyTheirItem) {
  const int sw = GetSystemMetrics(SM_CXSCREEN);
  const int sh = GetSystemMetrics(SM_CYSCREEN);
  const struct {
    HandlerRoutine handler;
    int x, y;
    UnitId item;
  } cases[] = {
      {OnPlaceBottomRight, sw - 310, sh - 130, units::kPlaceBottomRight},
      {OnPlaceTopLeft, 10, 10, units::kPlaceTopLeft},
      {OnPlaceBottomCenter, (sw - 300) / 2, sh - 130, units::kPlaceBottomCenter},
      {OnPlaceTopRight, sw - 310, 10, units::kPlaceTopRight},
      {OnPlaceBottomLeft, 10, sh - 130, units::kPlaceBottomLeft},
      {OnPlaceTopCenter, (sw - 300) / 2, 10, units::kPlaceTopCenter},
  };
  for (const auto& c : cases) {
    c.handler(0, nullptr);
    c.handler(0, nullptr);  // again at the same place: still there, marks rewritten
    const RECT r = Rect();
    EXPECT_EQ(r.left, c.x) << std::hex << c.item;
    EXPECT_EQ(r.top, c.y) << std::hex << c.item;
    EXPECT_EQ(r.right - r.left, 300);
    EXPECT_EQ(r.bottom - r.top, 120);
    for (UnitId item : kPositionItemIds) {
      EXPECT_EQ(Checked(item), item == c.item) << std::hex << item;
    }
  }
}

TEST_F(CountdownWindow, HidingAndShowingKeepThePosition) {
  OnPlaceBottomLeft(0, nullptr);
  const RECT before = Rect();
  OnMinimizeToTray(0, nullptr);
  EXPECT_FALSE(IsWindowVisible(hwnd_));
  EXPECT_TRUE(Checked(units::kMinimizeToTray));
  EXPECT_FALSE(Checked(units::kShowMainWindow));

  OnShowMainWindow(0, nullptr);
  EXPECT_TRUE(IsWindowVisible(hwnd_));
  EXPECT_FALSE(IsIconic(hwnd_));
  const RECT after = Rect();
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_TRUE(Checked(units::kShowMainWindow));
  EXPECT_FALSE(Checked(units::kMinimizeToTray));
}

TEST_F(CountdownWindow, TopmostIsSetAndCancelledWithTheirMarks) {
  OnSetTopmost(0, nullptr);
  EXPECT_EQ(ExStyle(hwnd_) & WS_EX_TOPMOST, WS_EX_TOPMOST);
  EXPECT_TRUE(Checked(units::kSetTopmost));
  EXPECT_FALSE(Checked(units::kCancelTopmost));
  OnCancelTopmost(0, nullptr);
  EXPECT_EQ(ExStyle(hwnd_) & WS_EX_TOPMOST, 0);
  EXPECT_TRUE(Checked(units::kCancelTopmost));
  EXPECT_FALSE(Checked(units::kSetTopmost));
}

TEST_F(CountdownWindow, TimerPutsTheWidgetBackOnTopOnlyWhileWanted) {
  PlainWindow intruder;
  ShowWindow(intruder.Get(), SW_SHOWNOACTIVATE);
  OnSetTopmost(0, nullptr);

  SetWindowPos(intruder.Get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ASSERT_TRUE(Above(intruder.Get(), hwnd_));
  EXPECT_TRUE(testing::PumpUntil([&] { return Above(hwnd_, intruder.Get()); }, 1600));

  OnCancelTopmost(0, nullptr);
  SetWindowPos(intruder.Get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  testing::PumpMessages(1600);
  EXPECT_TRUE(Above(intruder.Get(), hwnd_));
}

TEST_F(CountdownWindow, TimerNeverShowsTheHiddenWidget) {
  OnSetTopmost(0, nullptr);
  OnMinimizeToTray(0, nullptr);
  testing::PumpMessages(1600);
  EXPECT_FALSE(IsWindowVisible(hwnd_));
  EXPECT_EQ(ExStyle(hwnd_) & WS_EX_TOPMOST, WS_EX_TOPMOST);
}

TEST_F(CountdownWindow, RoundingAgainReplacesTheRegionWithoutLeaking) {
  const long regionsBefore = Regions::live;
  ApplyStartupRoundCorners();
  ApplyRoundCorners(hwnd_, 10, 10);
  EXPECT_EQ(Regions::live, regionsBefore);
  EXPECT_TRUE(RegionHolds(hwnd_, 8, 2));
}

// A label's rectangle in the countdown window's client coordinates.
RECT LabelRect(HWND window, int childId) {
  RECT r{};
  GetWindowRect(GetDlgItem(window, childId), &r);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::uint32_t LabelDpi(UnitId label) {
  return static_cast<TransparentLabel*>(FindUnitObject(kCountdownWindowId, label))->Dpi();
}

TEST_F(CountdownWindow, ChangeOfScaleLaysTheWidgetOutAgainAtTheCheckedPreset) {
  const int sw = GetSystemMetrics(SM_CXSCREEN);
  const int sh = GetSystemMetrics(SM_CYSCREEN);
  OnPlaceBottomRight(0, nullptr);
  OnSetTopmost(0, nullptr);
  const long regionsBefore = Regions::live;
  const long fontsBefore = Fonts::live;
  const long fontsMadeBefore = Fonts::acquired;
  struct Scale {
    UINT dpi;
    RECT window, name, caption;
    bool insetInside;  // 9 px diagonally in from the top-left corner
  };
  const Scale scales[] = {
      {144,
       {sw - 465, sh - 195, sw - 15, sh - 15},
       {-21, -24, 471, 108},
       {-45, 60, 495, 156},
       false},
      {96, {sw - 310, sh - 130, sw - 10, sh - 10}, {-14, -16, 314, 72}, {-30, 40, 330, 104}, true},
  };
  for (const Scale& scale : scales) {
    HRGN oldRegion = Regions::last;
    // Windows suggests the old rectangle scaled about its place; the preset decides the place.
    RECT suggested = Rect();
    suggested.right = suggested.left + MulDiv(300, scale.dpi, 96);
    suggested.bottom = suggested.top + MulDiv(120, scale.dpi, 96);
    SendMessageW(hwnd_, WM_DPICHANGED, MAKEWPARAM(scale.dpi, scale.dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    testing::PumpMessages(50);

    const RECT r = Rect();
    EXPECT_TRUE(EqualRect(&r, &scale.window))
        << scale.dpi << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    const RECT name = LabelRect(hwnd_, 100);
    const RECT caption = LabelRect(hwnd_, 110);
    EXPECT_TRUE(EqualRect(&name, &scale.name)) << scale.dpi;
    EXPECT_TRUE(EqualRect(&caption, &scale.caption)) << scale.dpi;
    EXPECT_EQ(LabelDpi(units::kProductLabel), scale.dpi);
    EXPECT_EQ(LabelDpi(units::kCountdownLabel), scale.dpi);

    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    EXPECT_TRUE(RegionHolds(hwnd_, w - 20, h / 2)) << "the region covers the new width";
    EXPECT_EQ(RegionHolds(hwnd_, 9, 9), scale.insetInside) << scale.dpi;
    EXPECT_FALSE(RegionHolds(hwnd_, 0, 0));
    EXPECT_NE(Regions::last, oldRegion) << "a region of the new size";
    EXPECT_EQ(GetObjectType(oldRegion), 0u) << "the old region is released by the window";

    EXPECT_EQ(ExStyle(hwnd_) & WS_EX_TOPMOST, WS_EX_TOPMOST);
    for (UnitId item : kPositionItemIds) {
      EXPECT_EQ(Checked(item), item == units::kPlaceBottomRight) << std::hex << item;
    }
  }
  EXPECT_EQ(Regions::live, regionsBefore);
  EXPECT_EQ(Fonts::live, fontsBefore) << "every font made for a paint is deleted";
  EXPECT_GT(Fonts::acquired, fontsMadeBefore) << "the labels were drawn again";
}

TEST_F(CountdownWindow, ChangeOfDisplayModePlacesByTheCheckedPresetOnlyThen) {
  const int sw = GetSystemMetrics(SM_CXSCREEN);
  const int sh = GetSystemMetrics(SM_CYSCREEN);
  OnPlaceBottomLeft(0, nullptr);
  OnMinimizeToTray(0, nullptr);
  MoveWindow(hwnd_, 3, 4, 300, 120, FALSE);  // where an old screen size would have left it
  SendMessageW(hwnd_, WM_SETTINGCHANGE, 0, 0);
  SendMessageW(hwnd_, WM_DEVICECHANGE, 0x0007 /* DBT_DEVNODES_CHANGED */, 0);
  EXPECT_EQ(Rect().left, 3) << "nothing moves on other messages";

  SendMessageW(hwnd_, WM_DISPLAYCHANGE, 32, MAKELPARAM(sw, sh));
  const RECT r = Rect();
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.top, sh - 130);
  EXPECT_EQ(r.right - r.left, 300);
  EXPECT_FALSE(IsWindowVisible(hwnd_)) << "a hidden widget stays hidden";
  EXPECT_TRUE(Checked(units::kMinimizeToTray));
  for (UnitId item : kPositionItemIds) {
    EXPECT_EQ(Checked(item), item == units::kPlaceBottomLeft) << std::hex << item;
  }
}

}  // namespace
}  // namespace pellomi
