#pragma once
// The program's handler routines by the names the template stores.
#include <string_view>

#include "form/unit_model.h"

namespace pellomi {

HandlerRoutine ResolveProgramHandler(std::string_view name);

}  // namespace pellomi
