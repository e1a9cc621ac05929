#pragma once
// Handler of the countdown window's created event.
#include <cstdint>

#include "commands/date_time.h"

namespace pellomi {

void OnWindowCreated(int argCount, const std::int32_t* args);

// Computes the caption for `now` and writes it into label 2.
void WriteCountdownCaption(DateTime now);

}  // namespace pellomi
