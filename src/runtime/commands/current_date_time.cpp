#include "commands/clock_source.h"
#include "commands/date_time.h"

namespace pellomi {
namespace {

ClockSource g_clockSource = SystemLocalDateTime;

}  // namespace

DateTime CurrentDateTime() {
  return g_clockSource();
}

ClockSource SetClockSource(ClockSource source) {
  const ClockSource previous = g_clockSource;
  g_clockSource = source != nullptr ? source : SystemLocalDateTime;
  return previous;
}

}  // namespace pellomi
