#pragma once
// Fatal runtime reports as exceptions, so that a test can catch one and read its text instead of
// the process ending.
#include <string>

#include "form/runtime_error.h"

namespace pellomi {

struct FatalRuntimeError {
  std::string text;
};

inline void ThrowFatalReports() {
  SetFatalErrorPresenter([](const std::string& text) { throw FatalRuntimeError{text}; });
}

}  // namespace pellomi
