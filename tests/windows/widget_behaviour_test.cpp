// The widget's transparency, corners and late-bound calls on a window of the test's own.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/handles_win.h"
#include "widget/dll_command_win.h"
#include "widget/transparency_win.h"

namespace pellomi {
namespace {

using platform::HandleKind;
using platform::LiveHandleCount;

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
  const long regionsBefore = LiveHandleCount(HandleKind::kRegion);
  ApplyRoundCorners(window.Get());
  EXPECT_EQ(LiveHandleCount(HandleKind::kRegion), regionsBefore);
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
  const long regionsBefore = LiveHandleCount(HandleKind::kRegion);
  ApplyRoundCorners(window.Get(), 50, 50);
  ApplyRoundCorners(window.Get(), 10, 10);
  EXPECT_EQ(LiveHandleCount(HandleKind::kRegion), regionsBefore);
  EXPECT_TRUE(RegionHolds(window.Get(), 8, 2));
  EXPECT_FALSE(RegionHolds(window.Get(), 0, 0));
}

TEST(ApplyRoundCorners, RefusedRegionIsDeletedNotLeaked) {
  const long regionsBefore = LiveHandleCount(HandleKind::kRegion);
  HWND gone = nullptr;
  {
    PlainWindow window;
    gone = window.Get();
  }
  ApplyRoundCorners(gone, 50, 50);  // a destroyed window refuses the region
  EXPECT_EQ(LiveHandleCount(HandleKind::kRegion), regionsBefore);
}

TEST(DllCommands, BindFromTheSystemLibrariesOnceAndAgainAfterUnloading) {
  UnloadDllCommands();
  const long loadsBefore = DllCommandLibraryLoads();
  EXPECT_FALSE(IsDllCommandBound(DllCommandIndex::kGetClientRect));
  RECT rect{};
  DllGetClientRect(nullptr, &rect);
  DllGetClientRect(nullptr, &rect);
  DllGetWindowLong(nullptr, GWL_EXSTYLE);
  EXPECT_EQ(DllCommandLibraryLoads(), loadsBefore + 2);  // one per entry, not per call
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
  EXPECT_FALSE(IsDllCommandBound(DllCommandIndex::kGetClientRect));
  EXPECT_EQ(DllCommandModule(DllCommandIndex::kGetClientRect), nullptr);
  DllGetClientRect(nullptr, &rect);
  EXPECT_EQ(DllCommandLibraryLoads(), loadsBefore + 5);
}

TEST(DllCommands, SetWindowLongKeepsThirtyTwoBitValues) {
  PlainWindow window;
  const std::int32_t before = DllGetWindowLong(window.Get(), GWL_EXSTYLE);
  const std::int32_t previous = DllSetWindowLong(window.Get(), GWL_EXSTYLE, before | WS_EX_LAYERED);
  EXPECT_EQ(previous, before);
  EXPECT_EQ(DllGetWindowLong(window.Get(), GWL_EXSTYLE), before | WS_EX_LAYERED);
  EXPECT_EQ(DllGetWindowLong(window.Get(), GWL_EXSTYLE), ExStyle(window.Get()));
}

}  // namespace
}  // namespace pellomi
