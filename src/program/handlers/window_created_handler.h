#pragma once
// Handlers that fill the countdown window and keep its count true while it runs.
#include <cstdint>

#include "options/countdown_options.h"

namespace pellomi {

// The command line's choices, taken before the window is loaded (the default target and the
// product name until then).
void UseCountdownOptions(const CountdownOptions& options);
// The same choices as the widget runs by them; a second start's hooks write into them.
CountdownOptions& ActiveCountdownOptions();
// The choices taken by UseCountdownOptions.
const CountdownOptions& ChosenCountdownOptions();

void OnWindowCreated(int argCount, const std::int32_t* args);

// The system clock or time zone was set, or the computer resumed: the count is computed again.
void OnClockChanged(int argCount, const std::int32_t* args);

// The timer tick's share: a new count when the time has passed into another day.
void RecountOnNewDay();

}  // namespace pellomi
