#include <ctime>

#include "commands/date_time.h"

namespace pellomi {

// When the clock cannot be read or turned into local fields (a far-future clock, or a broken
// time zone), the result is kNoDateTime, the value every consumer already takes as "no date".
DateTime CurrentDateTime() {
  const std::time_t now = std::time(nullptr);
  if (now == static_cast<std::time_t>(-1)) return kNoDateTime;
  std::tm local{};
#ifdef _WIN32
  if (localtime_s(&local, &now) != 0) return kNoDateTime;
#else
  if (localtime_r(&now, &local) == nullptr) return kNoDateTime;
#endif
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

}  // namespace pellomi
