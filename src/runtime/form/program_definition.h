#pragma once
// What a program hands the runtime at start: how to build its window template and how to find
// the handler routines the template names.
#include <string_view>

#include "form/unit_model.h"

namespace pellomi {

// Turns a stored handler name into its routine; null for "none" or an unknown name.
using HandlerResolver = HandlerRoutine (*)(std::string_view name);
using TemplateBuilder = WindowTemplate (*)(HandlerResolver resolve);

struct ProgramDefinition {
  TemplateBuilder buildTemplate;
  HandlerResolver resolveHandler;
};

}  // namespace pellomi
