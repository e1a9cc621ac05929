// The caption of a date the user gave: before, on and after the day, through midnights.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "dates/caption_keeper.h"
#include "dates/own_date_caption.h"
#include "host/support/gbk_text.h"

namespace pellomi {
namespace {

DateTime At(int y, int mo, int d, int h, int mi, int s) {
  return *DateTimeFromFields(y, mo, d, h, mi, s);
}

std::string Utf8(const std::string& gbk) {
  return ConvertText("UTF-8", "GBK", gbk).value();
}

TEST(OwnDateCaption, BeforeOnAndAfterTheDayTurningAtMidnight) {
  const TargetDate once = OnceDate{At(2027, 6, 7, 0, 0, 0)};
  const struct {
    TargetDate target;
    DateTime now;
    const char* caption;
  } cases[] = {
      {once, At(2027, 6, 5, 23, 59, 59), "还有2天"},
      {once, At(2027, 6, 6, 0, 0, 1), "还有1天"},
      {once, At(2027, 6, 6, 23, 59, 59), "还有1天"},
      {once, At(2027, 6, 7, 0, 0, 0), "就是今天"},
      {once, At(2027, 6, 7, 23, 59, 59), "就是今天"},
      {once, At(2027, 6, 8, 0, 0, 1), "已过1天"},
      {once, At(2028, 6, 7, 12, 0, 0), "已过366天"},
      // every year: on the day, then on to the next year's
      {YearlyDate{6, 7}, At(2027, 6, 7, 23, 59, 59), "就是今天"},
      {YearlyDate{6, 7}, At(2027, 6, 8, 0, 0, 1), "还有365天"},
      {YearlyDate{1, 1}, At(2027, 12, 31, 23, 59, 59), "还有1天"},
      {YearlyDate{1, 1}, At(2028, 1, 1, 0, 0, 1), "就是今天"},
      {YearlyDate{1, 1}, At(2028, 1, 2, 0, 0, 1), "还有365天"},
      // 2月29日 falls on 28 February in a year without it
      {YearlyDate{2, 29}, At(2027, 2, 27, 23, 59, 59), "还有1天"},
      {YearlyDate{2, 29}, At(2027, 2, 28, 0, 0, 1), "就是今天"},
      {YearlyDate{2, 29}, At(2027, 3, 1, 0, 0, 1), "还有365天"},
      {YearlyDate{2, 29}, At(2028, 2, 28, 23, 59, 59), "还有1天"},
      {YearlyDate{2, 29}, At(2028, 2, 29, 0, 0, 1), "就是今天"},
      // lunar: 中秋 2027 is 15 September, 2028 3 October; 三十 of a 29-day 腊月 is its 廿九
      {YearlyLunarDate{8, 15}, At(2027, 9, 14, 23, 59, 59), "还有1天"},
      {YearlyLunarDate{8, 15}, At(2027, 9, 15, 0, 0, 1), "就是今天"},
      {YearlyLunarDate{8, 15}, At(2027, 9, 16, 0, 0, 1), "还有383天"},
      {YearlyLunarDate{12, 30}, At(2026, 2, 15, 23, 59, 59), "还有1天"},
      {YearlyLunarDate{12, 30}, At(2026, 2, 16, 0, 0, 1), "就是今天"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8(OwnDateCaption(c.target, c.now).value_or("none")), c.caption) << "at " << c.now;
  }
  // Past the lunar table a yearly lunar date has no day to count to.
  EXPECT_EQ(OwnDateCaption(YearlyLunarDate{1, 1}, At(2101, 6, 1, 0, 0, 0)), std::nullopt);
}

TEST(OwnDateCaption, KeeperTurnsAtMidnightAndFollowsTheClockBack) {
  CaptionKeeper keeper(TargetDate{OnceDate{At(2027, 6, 7, 0, 0, 0)}});
  const struct {
    DateTime now;
    const char* written;  // null: nothing to write
  } steps[] = {
      {At(2027, 6, 6, 23, 59, 59), "还有1天"}, {At(2027, 6, 7, 0, 0, 0), "就是今天"},
      {At(2027, 6, 7, 18, 0, 0), nullptr},     {At(2027, 6, 6, 10, 0, 0), "还有1天"},
      {At(2027, 6, 8, 0, 0, 1), "已过1天"},    {At(2027, 6, 8, 0, 0, 2), nullptr},
  };
  for (const auto& step : steps) {
    const std::optional<std::string> written = keeper.RecountIfDue(step.now);
    EXPECT_EQ(written ? Utf8(*written) : "nothing", step.written ? step.written : "nothing")
        << "at " << step.now;
  }
}

}  // namespace
}  // namespace pellomi
