// The running widget's count under a clock the test steers (midnight, a clock set by days, an
// idle minute), the system clock the count reads, and the exact GBK form of command-line texts.
#include <windows.h>

#include <gtest/gtest.h>

#include <ctime>
#include <optional>
#include <string>

#include "commands/clock_source.h"
#include "form/window_lookup.h"
#include "gbk_win.h"
#include "template/countdown_template.h"
#include "windows/support/runtime_harness.h"

namespace pellomi {
namespace {

DateTime g_now = 0;
DateTime SteeredClock() {
  return g_now;
}

DateTime At(int y, int mo, int d, int h, int mi, int s) {
  return *DateTimeFromFields(y, mo, d, h, mi, s);
}

HWND WindowedUnit(UnitId unit) {
  return static_cast<HWND>(FindUnitObject(kCountdownWindowId, unit)->NativeWindow());
}

// Counts the caption writes into label 2: each one sets the label's window text.
int g_captionWrites = 0;
WNDPROC g_labelProc = nullptr;
LRESULT CALLBACK CountingLabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) ++g_captionWrites;
  return CallWindowProcW(g_labelProc, hwnd, message, wParam, lParam);
}

class SteeredCountdown : public ::testing::Test {
 protected:
  void SetUp() override { previous_ = SetClockSource(SteeredClock); }
  void TearDown() override {
    testing::DestroyCountdown();
    SetClockSource(previous_);
  }

  // A start of the widget with the clock at `now`; caption writes are counted from here on.
  void Start(DateTime now) {
    testing::DestroyCountdown();
    g_now = now;
    hwnd_ = testing::LoadCountdown();
    ASSERT_NE(hwnd_, nullptr);
    g_captionWrites = 0;
    g_labelProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(WindowedUnit(units::kCountdownLabel), GWLP_WNDPROC,
                          reinterpret_cast<LONG_PTR>(CountingLabelProc)));
  }

  // One tick of the widget's timer with the clock at `now`.
  void Tick(DateTime now) {
    g_now = now;
    SendMessageW(WindowedUnit(units::kTimer), WM_TIMER, kTimerUnitSystemId, 0);
  }

  static std::wstring Caption() {
    wchar_t text[64] = {};
    GetWindowTextW(WindowedUnit(units::kCountdownLabel), text, 64);
    return text;
  }

  // What a start at the clock's current time shows.
  std::wstring FreshStartCaption() {
    Start(g_now);
    return Caption();
  }

  static constexpr UINT_PTR kTimerUnitSystemId = 1000;
  ClockSource previous_ = nullptr;
  HWND hwnd_ = nullptr;
};

// A minute of ticks before midnight writes nothing; the count then changes once, one second
// after midnight (00:00:00 exactly still counts like the day before).
TEST_F(SteeredCountdown, TicksWriteTheCaptionOnlyWhenTheDayTurns) {
  Start(At(2024, 6, 1, 23, 58, 55));
  EXPECT_EQ(Caption(), L"还有5天");
  for (int s = 56; s < 60 + 60; ++s) Tick(At(2024, 6, 1, 23, 58 + s / 60, s % 60));
  EXPECT_EQ(g_captionWrites, 0) << "an idle minute";
  Tick(At(2024, 6, 2, 0, 0, 0));
  EXPECT_EQ(g_captionWrites, 0) << "at midnight exactly";
  for (int s = 1; s <= 5; ++s) Tick(At(2024, 6, 2, 0, 0, s));
  EXPECT_EQ(g_captionWrites, 1);
  const std::wstring afterMidnight = Caption();
  EXPECT_EQ(afterMidnight, L"还有4天");
  EXPECT_EQ(afterMidnight, FreshStartCaption());
}

TEST_F(SteeredCountdown, ClockChangesAndResumeUpdateTheCountAtOnce) {
  Start(At(2024, 6, 1, 12, 0, 0));
  const struct {
    const char* what;
    UINT message;
    WPARAM wParam;
    DateTime movedTo;
    const wchar_t* caption;
    int writes;
  } steps[] = {
      {"clock set within the day", WM_TIMECHANGE, 0, At(2024, 6, 1, 20, 0, 0), L"还有5天", 0},
      {"clock set 3 days ahead", WM_TIMECHANGE, 0, At(2024, 6, 4, 12, 0, 0), L"还有2天", 1},
      {"clock set 10 days back", WM_TIMECHANGE, 0, At(2024, 5, 22, 12, 0, 0), L"还有15天", 2},
      {"resumed 12 days later", WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, At(2024, 6, 3, 8, 0, 0),
       L"还有3天", 3},
  };
  for (const auto& step : steps) {
    g_now = step.movedTo;
    SendMessageW(hwnd_, step.message, step.wParam, 0);  // no tick in between
    EXPECT_EQ(Caption(), step.caption) << step.what;
    EXPECT_EQ(g_captionWrites, step.writes) << step.what;
  }
}

// Run with TZ naming a zone the C runtime cannot read (as the test registration does): the
// system's local time then differs from the C runtime's, and the count must follow the system.
TEST(SystemClock, CurrentDateTimeIsTheSystemsLocalTimeNotTheCRuntimes) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    SYSTEMTIME before{}, after{};
    GetLocalTime(&before);
    const DateTime now = CurrentDateTime();
    const std::time_t crtNow = std::time(nullptr);
    GetLocalTime(&after);
    if (before.wSecond != after.wSecond) continue;  // read across a second boundary
    std::tm crt{};
    ASSERT_EQ(localtime_s(&crt, &crtNow), 0);
    ASSERT_NE(crt.tm_hour, before.wHour)
        << "the C runtime agrees with the system here: run with TZ=America/Los_Angeles";
    EXPECT_EQ(now, At(before.wYear, before.wMonth, before.wDay, before.wHour, before.wMinute,
                      before.wSecond));
    return;
  }
  FAIL() << "no reading within one second";
}

TEST(ExactGbk, RefusesWhatGbkCannotHold) {
  const struct {
    std::wstring text;
    std::optional<std::string> gbk;
  } cases[] = {
      {L"", ""},
      {L"我的 生日", "\xCE\xD2\xB5\xC4 \xC9\xFA\xC8\xD5"},
      {L"２０２７年", "\xA3\xB2\xA3\xB0\xA3\xB2\xA3\xB7\xC4\xEA"},
      {L"\u00C4", std::nullopt},      // Ä: no look-alike "A"
      {L"\U0001F389", std::nullopt},  // an emoji
      {L"A\xD800"
       L"B",
       std::nullopt},  // a lone surrogate
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::ExactGbkFromWide(c.text), c.gbk) << c.text.size();
  }
}

}  // namespace
}  // namespace pellomi
