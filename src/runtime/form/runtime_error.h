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

// Shows the report and ends the process; it must not return. Until one is set (and after null is
// set) the report goes to the standard error stream and the process ends with -1.
using FatalErrorPresenter = void (*)(const std::string& text);
void SetFatalErrorPresenter(FatalErrorPresenter presenter);

// Counts the error (suspending event delivery), composes the text and presents it.
[[noreturn]] void ReportRuntimeError(std::string_view message, int code, std::uint32_t owner,
                                     std::uint32_t position);

}  // namespace pellomi
