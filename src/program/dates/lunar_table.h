#pragma once
// The Chinese lunar calendar as data: one entry per lunar year, enough to turn a lunar date into
// a Gregorian one and back without a calendar library.
#include <cstdint>

namespace pellomi {

inline constexpr int kLunarTableFirstYear = 1901;
inline constexpr int kLunarTableLastYear = 2100;

struct LunarYearEntry {
  std::uint8_t firstDayOffset;  // the year's first day (正月初一), in days after 1 January
  std::uint8_t leapMonth;       // the month that a leap month follows; 0 in a year without one
  std::uint16_t longMonths;  // bit i: the i-th month of the year, leap month counted, has 30 days
};

// Index 0 is kLunarTableFirstYear.
extern const LunarYearEntry kLunarYears[kLunarTableLastYear - kLunarTableFirstYear + 1];

}  // namespace pellomi
