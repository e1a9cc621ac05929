#include <gtest/gtest.h>

#include <string>

#include "commands/text_to_date_time.h"
#include "dates/countdown_caption.h"
#include "values/memory_service.h"

namespace pellomi {
namespace {

struct CaptionCase {
  int y, mo, d, h, mi, s;
  int dayCount;
  const char* caption;
};

// "还有" N "天" for local times around the target day 2024-06-07.
constexpr CaptionCase kCases[] = {
    {2023, 6, 7, 0, 0, 0, 366,
     "\xBB\xB9\xD3\xD0"
     "366\xCC\xEC"},
    {2023, 6, 7, 0, 0, 1, 365,
     "\xBB\xB9\xD3\xD0"
     "365\xCC\xEC"},
    {2024, 6, 1, 9, 0, 0, 5,
     "\xBB\xB9\xD3\xD0"
     "5\xCC\xEC"},
    {2024, 6, 5, 0, 0, 0, 2,
     "\xBB\xB9\xD3\xD0"
     "2\xCC\xEC"},
    {2024, 6, 5, 0, 0, 1, 1,
     "\xBB\xB9\xD3\xD0"
     "1\xCC\xEC"},
    {2024, 6, 6, 12, 0, 0, 0,
     "\xBB\xB9\xD3\xD0"
     "0\xCC\xEC"},
    {2024, 6, 7, 0, 0, 0, 0,
     "\xBB\xB9\xD3\xD0"
     "0\xCC\xEC"},
    {2024, 6, 7, 8, 0, 0, -1, "\xBB\xB9\xD3\xD0-1\xCC\xEC"},
    {2024, 6, 8, 8, 0, 0, -2, "\xBB\xB9\xD3\xD0-2\xCC\xEC"},
    {2026, 12, 8, 3, 47, 31, -915, "\xBB\xB9\xD3\xD0-915\xCC\xEC"},
};

DateTime At(const CaptionCase& c) {
  return *DateTimeFromFields(c.y, c.mo, c.d, c.h, c.mi, c.s);
}

const DateTime kTarget = DefaultCountdownTarget();

TEST(CountdownCaption, TargetIsLocalMidnightOfTheTargetDay) {
  EXPECT_EQ(TextToDateTime(kTargetDateText), 45450.0);
  EXPECT_EQ(kTarget, 45450.0);
  EXPECT_STREQ(kCaptionPrefix, "\xBB\xB9\xD3\xD0");
  EXPECT_STREQ(kCaptionSuffix, "\xCC\xEC");
}

TEST(CountdownCaption, MatchesTheDayCountTable) {
  for (const CaptionCase& c : kCases) {
    const DateTime now = At(c);
    EXPECT_EQ(CountdownDayCount(now, kTarget), c.dayCount) << c.y << "-" << c.mo << "-" << c.d;
    char* caption = BuildCountdownCaption(now, kTarget);
    ASSERT_NE(caption, nullptr);
    EXPECT_STREQ(caption, c.caption);
    ReleaseBlock(caption);
  }
}

TEST(CountdownCaption, MidnightCountsOneMoreThanTheRestOfTheDay) {
  // Every second of a day before the target gives the same count, except 00:00:00.
  const int atMidnight = CountdownDayCount(*DateTimeFromFields(2024, 5, 20, 0, 0, 0), kTarget);
  EXPECT_EQ(atMidnight, 18);
  for (int s = 1; s < 86400; s += 37) {
    const DateTime now = *DateTimeFromFields(2024, 5, 20, s / 3600, s / 60 % 60, s % 60);
    ASSERT_EQ(CountdownDayCount(now, kTarget), atMidnight - 1) << s;
  }
  EXPECT_EQ(CountdownDayCount(*DateTimeFromFields(2024, 5, 20, 23, 59, 59), kTarget),
            atMidnight - 1);
}

TEST(CountdownCaption, IsNotPaddedToAFixedLength) {
  char* shortCaption = BuildCountdownCaption(*DateTimeFromFields(2024, 6, 1, 9, 0, 0), kTarget);
  char* longCaption = BuildCountdownCaption(*DateTimeFromFields(2026, 12, 8, 3, 47, 31), kTarget);
  EXPECT_EQ(std::string(shortCaption).size(), 4u + 1 + 2);
  EXPECT_EQ(std::string(longCaption).size(), 4u + 4 + 2);
  ReleaseBlock(shortCaption);
  ReleaseBlock(longCaption);
}

}  // namespace
}  // namespace pellomi
