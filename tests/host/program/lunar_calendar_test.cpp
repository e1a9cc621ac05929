// The program's lunar table and date forms, checked against ICU's Chinese calendar.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "dates/lunar_calendar.h"
#include "dates/lunar_table.h"
#include "dates/target_date.h"
#include "host/support/gbk_text.h"
#include "host/support/icu_lunar.h"

namespace pellomi {
namespace {

using LunarMonthKey = std::tuple<int, int, bool>;  // lunar year, month, leap

DateTime Day(int year, int month, int day) {
  return *DateTimeFromFields(year, month, day, 0, 0, 0);
}

// The lunar months in which ICU and the table (lunar-javascript, like the published tables)
// put the first day a day apart: each starts with a new moon within minutes of midnight in
// Beijing, which the two reckon on different sides of it.
const std::map<LunarMonthKey, int> kNewMoonAtMidnight = {
    // the days that differ
    {{1917, 2, true}, 29},  {{1917, 3, false}, 30}, {{1922, 5, true}, 29},
    {{1922, 6, false}, 30}, {{1954, 1, false}, 30}, {{1955, 2, false}, 30},
    {{1987, 6, true}, 29},  {{1987, 7, false}, 30}, {{1998, 12, false}, 30},
    {{2012, 7, false}, 30}, {{2018, 9, false}, 1},  {{2018, 10, false}, 29},
    {{2027, 1, false}, 30}, {{2029, 12, false}, 1}, {{2030, 1, false}, 29},
    {{2070, 2, false}, 30},
};

TEST(LunarTable, MatchesIcuOnEveryDayButTheNewMoonsAtMidnight) {
  IcuLunar icu;
  std::map<LunarMonthKey, int> differing;  // by the table's month: days that differ
  const DateTime first = *DayOfLunarDate({kLunarTableFirstYear, 1, false, 1});
  DateTime day = first;
  for (std::optional<LunarDate> ours; (ours = LunarDateOfDay(day)); ++day) {
    if (*ours != icu.Of(day)) ++differing[{ours->year, ours->month, ours->leap}];
  }
  // The table ends with the last day of its last year.
  EXPECT_EQ(LunarDateOfDay(day - 1)->year, kLunarTableLastYear);
  EXPECT_EQ(icu.Of(day).year, kLunarTableLastYear + 1);
  EXPECT_EQ(icu.Of(day).day, 1);
  EXPECT_EQ(icu.Of(first - 1).year, kLunarTableFirstYear - 1);
  EXPECT_EQ(differing, kNewMoonAtMidnight);
}

// ICU's Gregorian day of each lunar date in a span of years, and the length of each month.
class IcuDays {
 public:
  IcuDays(int firstYear, int lastYear) {
    IcuLunar icu;
    for (DateTime day = Day(firstYear, 1, 1); day <= Day(lastYear, 12, 31); ++day) {
      const LunarDate date = icu.Of(day);
      days_[date] = day;
      int& length = lengths_[{date.year, date.month, date.leap}];
      length = std::max(length, date.day);
    }
  }
  std::optional<DateTime> DayOf(const LunarDate& date) const {
    const auto found = days_.find(date);
    return found == days_.end() ? std::nullopt : std::optional(found->second);
  }
  int LengthOf(int year, int month) const {
    const auto found = lengths_.find({year, month, false});
    return found == lengths_.end() ? 0 : found->second;
  }
  // The first day on or after `from` of a yearly lunar date, as ICU counts it.
  std::optional<DateTime> NextDay(int month, int day, DateTime from) const {
    const std::optional<LunarDate> lunar = LunarDateOfDay(from);
    for (int year = lunar->year; year <= lunar->year + 1; ++year) {
      const std::optional<DateTime> candidate =
          DayOf({year, month, false, std::min(day, LengthOf(year, month))});
      if (candidate && *candidate >= from) return candidate;
    }
    return std::nullopt;
  }

 private:
  struct Less {
    bool operator()(const LunarDate& a, const LunarDate& b) const {
      return std::tie(a.year, a.month, a.leap, a.day) < std::tie(b.year, b.month, b.leap, b.day);
    }
  };
  std::map<LunarDate, DateTime, Less> days_;
  std::map<LunarMonthKey, int> lengths_;
};

bool InNewMoonAtMidnight(DateTime day) {
  const LunarDate date = *LunarDateOfDay(day);
  return kNewMoonAtMidnight.contains({date.year, date.month, date.leap});
}

std::string Gbk(const std::string& utf8) {
  return ConvertText("GBK", "UTF-8", utf8).value();
}

std::optional<DateTime> DayOfText(const std::string& utf8, DateTime from) {
  const TargetDateParse parse = ParseTargetDate(Gbk(utf8).c_str());
  if (!std::holds_alternative<TargetDate>(parse)) return std::nullopt;
  return TargetDayFrom(std::get<TargetDate>(parse), from);
}

TEST(LunarDates, EveryFormAndFestivalFrom2025To2035AsIcuCountsThem) {
  const IcuDays icu(2024, 2037);
  const struct {
    const char* text;
    int month;
  } months[] = {{"正月", 1},  {"一月", 1},  {"二月", 2},    {"三月", 3},  {"四月", 4},
                {"五月", 5},  {"六月", 6},  {"七月", 7},    {"八月", 8},  {"九月", 9},
                {"十月", 10}, {"冬月", 11}, {"十一月", 11}, {"腊月", 12}, {"十二月", 12}};
  const char* days[] = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八",
                        "初九", "初十", "十一", "十二", "十三", "十四", "十五", "十六",
                        "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三", "廿四",
                        "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
  const struct {
    const char* name;
    int month, day;
  } festivals[] = {{"春节", 1, 1},  {"元宵", 1, 15}, {"端午", 5, 5},  {"七夕", 7, 7},
                   {"中秋", 8, 15}, {"重阳", 9, 9},  {"除夕", 12, 30}};
  int checked = 0;
  const auto expect = [&](const std::string& text, DateTime from,
                          const std::optional<DateTime>& expected) {
    // Where the two calendars differ by a day, so may the answers.
    const std::optional<DateTime> actual = DayOfText(text, from);
    for (const std::optional<DateTime>& day : {actual, expected}) {
      if (day && InNewMoonAtMidnight(*day)) return;
    }
    EXPECT_EQ(actual, expected) << text << " from " << from;
    ++checked;
  };
  for (int year = 2025; year <= 2035; ++year) {
    const std::string yearText = std::to_string(year) + "年";
    for (const DateTime from : {Day(year, 1, 1), Day(year, 7, 1)}) {
      for (const auto& festival : festivals) {
        expect(festival.name, from, icu.NextDay(festival.month, festival.day, from));
      }
      expect("元旦", from, Day(from == Day(year, 1, 1) ? year : year + 1, 1, 1));
    }
    for (const auto& month : months) {
      for (int day = 1; day <= 30; ++day) {
        const std::string date = std::string(month.text) + days[day - 1];
        // One day with the year; the ordinary month every year without it, leap or not.
        expect("农历" + yearText + date, Day(year, 1, 1),
               icu.DayOf({year, month.month, false, day}));
        expect("农历" + yearText + "闰" + date, Day(year, 1, 1),
               icu.DayOf({year, month.month, true, day}));
        for (const char* leap : {"", "闰"}) {
          expect("农历" + std::string(leap) + date, Day(year, 3, 1),
                 icu.NextDay(month.month, day, Day(year, 3, 1)));
        }
      }
    }
  }
  EXPECT_GT(checked, 10000);
}

}  // namespace
}  // namespace pellomi
