#include <string>
#include <string_view>

#include "commands/text_to_date_time.h"
#include "dates/countdown_caption.h"
#include "dates/lunar_calendar.h"
#include "dates/lunar_table.h"
#include "dates/target_date.h"

namespace pellomi {
namespace {

// GBK words of the date forms.
constexpr std::string_view kLunar = "\xC5\xA9\xC0\xFA";  // 农历
constexpr std::string_view kYear = "\xC4\xEA";           // 年
constexpr std::string_view kMonth = "\xD4\xC2";          // 月
constexpr std::string_view kDay = "\xC8\xD5";            // 日
constexpr std::string_view kLeap = "\xC8\xF2";           // 闰
constexpr std::string_view kFirstMonth = "\xD5\xFD";     // 正
constexpr std::string_view kWinterMonth = "\xB6\xAC";    // 冬
constexpr std::string_view kLastMonth = "\xC0\xB0";      // 腊
constexpr std::string_view kEarly = "\xB3\xF5";          // 初
constexpr std::string_view kTwenty = "\xD8\xA5";         // 廿
constexpr std::string_view kTen = "\xCA\xAE";            // 十
// 一 .. 九
constexpr std::string_view kDigits[] = {"\xD2\xBB", "\xB6\xFE", "\xC8\xFD", "\xCB\xC4", "\xCE\xE5",
                                        "\xC1\xF9", "\xC6\xDF", "\xB0\xCB", "\xBE\xC5"};

struct Festival {
  std::string_view name;
  TargetDate date;
};
const Festival kFestivals[] = {
    {"\xB4\xBA\xBD\xDA", YearlyLunarDate{1, 1}},    // 春节
    {"\xD4\xAA\xCF\xFC", YearlyLunarDate{1, 15}},   // 元宵
    {"\xB6\xCB\xCE\xE7", YearlyLunarDate{5, 5}},    // 端午
    {"\xC6\xDF\xCF\xA6", YearlyLunarDate{7, 7}},    // 七夕
    {"\xD6\xD0\xC7\xEF", YearlyLunarDate{8, 15}},   // 中秋
    {"\xD6\xD8\xD1\xF4", YearlyLunarDate{9, 9}},    // 重阳
    {"\xB3\xFD\xCF\xA6", YearlyLunarDate{12, 30}},  // 除夕: the twelfth month's last day
    {"\xD4\xAA\xB5\xA9", YearlyDate{1, 1}},         // 元旦
};

bool Take(std::string_view& rest, std::string_view word) {
  if (!rest.starts_with(word)) return false;
  rest.remove_prefix(word.size());
  return true;
}

// Up to `maxDigits` ASCII digits; -1 when there is none.
int TakeNumber(std::string_view& rest, std::size_t maxDigits) {
  std::size_t length = 0;
  int value = 0;
  while (length < rest.size() && length < maxDigits && rest[length] >= '0' && rest[length] <= '9') {
    value = value * 10 + (rest[length] - '0');
    ++length;
  }
  if (length == 0 || (length < rest.size() && rest[length] >= '0' && rest[length] <= '9')) {
    return -1;
  }
  rest.remove_prefix(length);
  return value;
}

// 一 .. 九 as 1 .. 9; 0 when none.
int TakeDigit(std::string_view& rest) {
  for (int i = 0; i < 9; ++i) {
    if (Take(rest, kDigits[i])) return i + 1;
  }
  return 0;
}

// 正月, 二月 .. 十月, 冬月 or 十一月, 腊月 or 十二月 (一月 too); 0 when none.
int TakeLunarMonth(std::string_view& rest) {
  int month = 0;
  if (Take(rest, kFirstMonth)) {
    month = 1;
  } else if (Take(rest, kWinterMonth)) {
    month = 11;
  } else if (Take(rest, kLastMonth)) {
    month = 12;
  } else if (Take(rest, kTen)) {
    const int unit = TakeDigit(rest);
    if (unit > 2) return 0;
    month = 10 + unit;
  } else {
    month = TakeDigit(rest);
  }
  return month != 0 && Take(rest, kMonth) ? month : 0;
}

// 初一 .. 初十, 十一 .. 十九, 二十, 廿一 .. 廿九, 三十; 0 when none.
int TakeLunarDay(std::string_view& rest) {
  if (Take(rest, kEarly)) return Take(rest, kTen) ? 10 : TakeDigit(rest);
  const int base = Take(rest, kTen) ? 10 : Take(rest, kTwenty) ? 20 : 0;
  if (base != 0) {
    const int unit = TakeDigit(rest);
    return unit == 0 ? 0 : base + unit;
  }
  const int tens = TakeDigit(rest);
  if ((tens == 2 || tens == 3) && Take(rest, kTen)) return tens * 10;
  return 0;
}

TargetDateParse ParseLunar(std::string_view rest) {
  const int year = TakeNumber(rest, 4);
  if (year >= 0 && !Take(rest, kYear)) return TargetDateProblem::kNotADate;
  const bool leap = Take(rest, kLeap);
  const int month = TakeLunarMonth(rest);
  const int day = TakeLunarDay(rest);
  if (month == 0 || day == 0 || !rest.empty()) return TargetDateProblem::kNotADate;
  if (year < 0) return YearlyLunarDate{month, day};  // every year, in the ordinary month
  if (year < kLunarTableFirstYear || year > kLunarTableLastYear) {
    return TargetDateProblem::kLunarYearOutOfRange;
  }
  const std::optional<DateTime> once = DayOfLunarDate({year, month, leap, day});
  if (!once) return TargetDateProblem::kNotADate;
  return OnceDate{*once};
}

// 6/7, 06-07, 6月7日: every year on that day.
std::optional<YearlyDate> ParseMonthDay(std::string_view rest) {
  const int month = TakeNumber(rest, 2);
  if (month < 0) return std::nullopt;
  const bool chinese = Take(rest, kMonth);
  if (!chinese && !Take(rest, "/") && !Take(rest, "-")) return std::nullopt;
  const int day = TakeNumber(rest, 2);
  if (day < 0 || (chinese && !Take(rest, kDay)) || !rest.empty()) return std::nullopt;
  // A leap year allows every day that some year has.
  if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(2000, month)) return std::nullopt;
  return YearlyDate{month, day};
}

}  // namespace

TargetDateParse ParseTargetDate(const char* text) {
  if (const std::optional<DateTime> once = CountdownTargetFromText(text)) return OnceDate{*once};
  const std::string folded = FoldFullWidth(text);
  std::string_view rest = folded;
  for (const Festival& festival : kFestivals) {
    if (rest == festival.name) return festival.date;
  }
  if (Take(rest, kLunar)) return ParseLunar(rest);
  if (const std::optional<YearlyDate> yearly = ParseMonthDay(rest)) return *yearly;
  return TargetDateProblem::kNotADate;
}

}  // namespace pellomi
