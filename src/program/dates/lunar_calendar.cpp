#include "dates/lunar_calendar.h"

#include <cmath>

#include "dates/lunar_table.h"

namespace pellomi {
namespace {

const LunarYearEntry* EntryOf(int year) {
  if (year < kLunarTableFirstYear || year > kLunarTableLastYear) return nullptr;
  return &kLunarYears[year - kLunarTableFirstYear];
}

int MonthCount(const LunarYearEntry& entry) {
  return entry.leapMonth == 0 ? 12 : 13;
}

// The place of a month in its year, the leap month counted; -1 when the year has no such month.
int MonthSlot(const LunarYearEntry& entry, int month, bool leap) {
  if (month < 1 || month > 12) return -1;
  if (leap) return entry.leapMonth == month ? month : -1;
  return entry.leapMonth != 0 && month > entry.leapMonth ? month : month - 1;
}

int SlotLength(const LunarYearEntry& entry, int slot) {
  return (entry.longMonths >> slot & 1) != 0 ? 30 : 29;
}

DateTime FirstDayOf(int year, const LunarYearEntry& entry) {
  return *DateTimeFromFields(static_cast<std::uint16_t>(year), 1, 1, 0, 0, 0) +
         entry.firstDayOffset;
}

}  // namespace

int LunarMonthLength(int year, int month, bool leap) {
  const LunarYearEntry* entry = EntryOf(year);
  if (entry == nullptr) return 0;
  const int slot = MonthSlot(*entry, month, leap);
  return slot < 0 ? 0 : SlotLength(*entry, slot);
}

std::optional<DateTime> DayOfLunarDate(const LunarDate& date) {
  const LunarYearEntry* entry = EntryOf(date.year);
  if (entry == nullptr) return std::nullopt;
  const int slot = MonthSlot(*entry, date.month, date.leap);
  if (slot < 0 || date.day < 1 || date.day > SlotLength(*entry, slot)) return std::nullopt;
  DateTime day = FirstDayOf(date.year, *entry);
  for (int i = 0; i < slot; ++i) day += SlotLength(*entry, i);
  return day + (date.day - 1);
}

std::optional<LunarDate> LunarDateOfDay(DateTime value) {
  const std::optional<DateTimeFields> fields = FieldsFromDateTime(value);
  if (!fields) return std::nullopt;
  // Every day of the table lies after 1899-12-30, where a day's midnight is its whole part.
  const DateTime midnight = std::floor(value);
  // The lunar year starts in January or February, so the day lies in its Gregorian year's lunar
  // year or in the one before.
  for (int year = fields->year; year >= fields->year - 1; --year) {
    const LunarYearEntry* entry = EntryOf(year);
    if (entry == nullptr) continue;
    int offset = static_cast<int>(midnight - FirstDayOf(year, *entry));
    if (offset < 0) continue;
    for (int slot = 0; slot < MonthCount(*entry); ++slot) {
      const int length = SlotLength(*entry, slot);
      if (offset < length) {
        const bool leap = entry->leapMonth != 0 && slot == entry->leapMonth;
        const int month = entry->leapMonth != 0 && slot >= entry->leapMonth ? slot : slot + 1;
        return LunarDate{year, month, leap, offset + 1};
      }
      offset -= length;
    }
    return std::nullopt;  // past the end of the table's last year
  }
  return std::nullopt;
}

}  // namespace pellomi
