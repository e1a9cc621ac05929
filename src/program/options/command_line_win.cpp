#include "options/command_line_win.h"

#include <windows.h>
// Needs the types of windows.h.
#include <shellapi.h>

#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "gbk_win.h"
#include "options/options_texts.h"

namespace pellomi {
namespace {

// UTF-16 either way: wchar_t and char16_t share their representation on Windows.
std::wstring_view AsWide(std::u16string_view text) {
  return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

std::optional<std::string> ExactGbk(std::u16string_view text) {
  return platform::ExactGbkFromWide(AsWide(text));
}

struct LocalFreeDeleter {
  void operator()(LPWSTR* block) const { LocalFree(block); }
};

const char* ProblemLine(OptionsProblem problem) {
  // In the order of OptionsProblem.
  static constexpr const char* kLines[] = {
      texts::kUnknownOption,
      texts::kMissingValue,
      texts::kBadDate,
      texts::kLunarYearOutOfRange,
      texts::kUnrepresentableTitle,
      texts::kControlInTitle,
      texts::kUnknownPosition,
      texts::kBadScreen,
      texts::kBadSize,
      texts::kBadFullscreen,
  };
  static_assert(std::size(kLines) == static_cast<std::size_t>(OptionsProblem::kBadFullscreen) + 1);
  return kLines[static_cast<std::size_t>(problem)];
}

}  // namespace

std::vector<std::u16string> CommandLineArguments() {
  int count = 0;
  const std::unique_ptr<LPWSTR, LocalFreeDeleter> argv(
      CommandLineToArgvW(GetCommandLineW(), &count));
  std::vector<std::u16string> args;
  // The first entry is the program itself.
  for (int i = 1; argv != nullptr && i < count; ++i) {
    const wchar_t* arg = argv.get()[i];
    args.emplace_back(reinterpret_cast<const char16_t*>(arg), wcslen(arg));
  }
  return args;
}

OptionsOutcome ReadCommandLineOptions() {
  return ParseCountdownOptions(CommandLineArguments(), ExactGbk);
}

int ShowOptionsBox(const OptionsOutcome& outcome) {
  const std::wstring usage = platform::WideFromGbk(texts::kUsage);
  const std::wstring caption = platform::WideFromGbk(texts::kOptionsBoxCaption);
  if (const auto* refusal = std::get_if<OptionsRefusal>(&outcome)) {
    const std::wstring text = platform::WideFromGbk(ProblemLine(refusal->problem)) +
                              std::wstring(AsWide(refusal->argument)) + L"\r\n\r\n" + usage;
    MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
    return kExitBadArguments;
  }
  MessageBoxW(nullptr, usage.c_str(), caption.c_str(),
              MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
  return 0;
}

}  // namespace pellomi
