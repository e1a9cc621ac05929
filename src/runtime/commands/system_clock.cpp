// The system's local wall clock. On Windows it is the time as the system keeps it, not the C
// runtime's local time, which obeys a TZ environment variable (set by developer shells and some
// tools) instead of the system's time zone.
#ifdef _WIN32
#include <windows.h>
#else
#include <ctime>
#endif

#include "commands/clock_source.h"

namespace pellomi {

#ifdef _WIN32

DateTime SystemLocalDateTime() {
  SYSTEMTIME local{};
  GetLocalTime(&local);
  // Whole seconds: the milliseconds are dropped.
  return DateTimeFromFields(local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute,
                            local.wSecond)
      .value_or(kNoDateTime);
}

#else

// Where the logic runs without Windows (the host tests). When the clock cannot be turned into
// local fields (a far-future clock, a broken time zone), the result is kNoDateTime.
DateTime SystemLocalDateTime() {
  const std::time_t now = std::time(nullptr);
  if (now == static_cast<std::time_t>(-1)) return kNoDateTime;
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) return kNoDateTime;
  // A leap second reads as :60; the wall clock has no such second, so hold at :59.
  const int second = local.tm_sec > 59 ? 59 : local.tm_sec;
  const long year = 1900L + local.tm_year;
  if (year < 0 || year > 9999) return kNoDateTime;
  return DateTimeFromFields(
             static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(local.tm_mon + 1),
             static_cast<std::uint16_t>(local.tm_mday), static_cast<std::uint16_t>(local.tm_hour),
             static_cast<std::uint16_t>(local.tm_min), static_cast<std::uint16_t>(second))
      .value_or(kNoDateTime);
}

#endif

}  // namespace pellomi
