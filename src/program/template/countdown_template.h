#pragma once
// The countdown window's template: its units in order, their fields and event bindings.
#include <string_view>

#include "form/program_definition.h"
#include "template/countdown_units.h"

namespace pellomi {

// Builds the countdown window's template, binding handler names through `resolve`.
WindowTemplate BuildCountdownTemplate(HandlerResolver resolve);

// The GBK caption of one of the template's menu units; empty for any other unit.
std::string_view MenuCaption(UnitId item);

// The handler names the template binds, in template order (for checking a resolver).
std::vector<std::string_view> CountdownHandlerNames();

}  // namespace pellomi
