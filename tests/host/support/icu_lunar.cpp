#include "host/support/icu_lunar.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <stdexcept>

namespace pellomi {
namespace {

constexpr double kUnixEpochDay = 25569.0;  // 1970-01-01 as a date-time
// ICU counts Chinese years from 2637 BC; the lunar year that starts in 2027 is its 4664.
constexpr int kExtendedYearOffset = 2637;

void Check(UErrorCode status) {
  if (U_FAILURE(status)) throw std::runtime_error(u_errorName(status));
}

}  // namespace

IcuLunar::IcuLunar() {
  UErrorCode status = U_ZERO_ERROR;
  // Days are whole days in UTC here; ICU itself reckons the calendar at Beijing time.
  calendar_.reset(icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(),
                                                icu::Locale("zh_CN@calendar=chinese"), status));
  Check(status);
}

IcuLunar::~IcuLunar() = default;

LunarDate IcuLunar::Of(DateTime day) {
  UErrorCode status = U_ZERO_ERROR;
  calendar_->setTime((day - kUnixEpochDay) * U_MILLIS_PER_DAY, status);
  LunarDate date;
  date.year = calendar_->get(UCAL_EXTENDED_YEAR, status) - kExtendedYearOffset;
  date.month = calendar_->get(UCAL_MONTH, status) + 1;
  date.leap = calendar_->get(UCAL_IS_LEAP_MONTH, status) != 0;
  date.day = calendar_->get(UCAL_DATE, status);
  Check(status);
  return date;
}

}  // namespace pellomi
