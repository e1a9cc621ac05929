#pragma once
// ICU's Chinese calendar as a second opinion on the program's lunar table.
#include <unicode/calendar.h>

#include <memory>

#include "commands/date_time.h"
#include "dates/lunar_calendar.h"

namespace pellomi {

class IcuLunar {
 public:
  IcuLunar();
  ~IcuLunar();
  // ICU's lunar date of a Gregorian day (a local midnight).
  LunarDate Of(DateTime day);

 private:
  std::unique_ptr<icu::Calendar> calendar_;
};

}  // namespace pellomi
