#pragma once
// The countdown window's template: its units in order, their fields and event bindings.
#include <string_view>

#include "forms/countdown_units.h"
#include "runtime/unit_model.h"

namespace pellomi {

// Turns a stored handler name into its routine; null for "none" or an unknown name.
using HandlerResolver = HandlerRoutine (*)(std::string_view name);

// Builds the countdown window's template, binding handler names through `resolve`.
WindowTemplate BuildCountdownTemplate(HandlerResolver resolve);

// The handler names the template binds, in template order (for checking a resolver).
std::vector<std::string_view> CountdownHandlerNames();

}  // namespace pellomi
