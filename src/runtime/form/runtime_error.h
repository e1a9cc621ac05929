#pragma once
// Fatal runtime errors: the report text, and the presenter that shows it and ends the process.
#include <cstdint>
#include <string>
#include <string_view>

namespace pellomi {

class TemplateStore;

// Builds the message-box text of a runtime error report. `store` may be null (no window known).
std::string ComposeRuntimeErrorText(std::string_view message, int code, std::uint32_t owner,
                                    std::uint32_t position, const TemplateStore* store);

// Shows the report and ends the process; it must not return. The default presenter (used by the
// host build) throws FatalRuntimeError so that tests can observe the report.
using FatalErrorPresenter = void (*)(const std::string& text);
void SetFatalErrorPresenter(FatalErrorPresenter presenter);

struct FatalRuntimeError {
  std::string text;
};

// Counts the error (suspending event delivery), composes the text and presents it.
[[noreturn]] void ReportRuntimeError(std::string_view message, int code, std::uint32_t owner,
                                     std::uint32_t position);

}  // namespace pellomi
