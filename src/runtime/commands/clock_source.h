#pragma once
// Where CurrentDateTime reads the time: the system's local wall clock, unless another source is
// installed (a test steering the clock through midnight, for instance).
#include "commands/date_time.h"

namespace pellomi {

using ClockSource = DateTime (*)();

// The system's local wall-clock time in whole seconds, in the system's own time zone;
// kNoDateTime when the clock cannot be read as a date of the range.
DateTime SystemLocalDateTime();

// Installs `source` (null: the system clock again) and returns the source it replaces.
ClockSource SetClockSource(ClockSource source);

}  // namespace pellomi
