#include "options/countdown_options.h"

#include <algorithm>

#include "placement/position_names.h"

namespace pellomi {
namespace {

bool IsHelp(std::u16string_view arg) {
  return arg == u"--help" || arg == u"-h" || arg == u"/?";
}

bool TakesValue(std::u16string_view name) {
  return name == u"--target" || name == u"--title" || name == u"--position";
}

OptionsRefusal Refuse(OptionsProblem problem, std::u16string_view argument) {
  return {problem, std::u16string(argument)};
}

// C0 and C1 controls, DEL among them: a title is one line of visible text.
bool HasControlCharacter(std::u16string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); });
}

}  // namespace

OptionsOutcome ParseCountdownOptions(std::span<const std::u16string> args, GbkEncoder toGbk) {
  CountdownOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::u16string& arg = args[i];
    if (IsHelp(arg)) return HelpRequest{};
    // --option=value, or the value as the next argument.
    const std::size_t equals = arg.starts_with(u"--") ? arg.find(u'=') : std::u16string::npos;
    const std::u16string_view name = std::u16string_view(arg).substr(0, equals);
    if (!TakesValue(name)) return Refuse(OptionsProblem::kUnknownOption, arg);
    if (equals == std::u16string::npos && i + 1 == args.size()) {
      return Refuse(OptionsProblem::kMissingValue, arg);
    }
    const std::u16string_view value = equals == std::u16string::npos
                                          ? std::u16string_view(args[++i])
                                          : std::u16string_view(arg).substr(equals + 1);
    const std::optional<std::string> gbk = toGbk(value);
    if (name == u"--target") {
      // A date that GBK cannot hold is no date either.
      const TargetDateParse target =
          gbk ? ParseTargetDate(gbk->c_str()) : TargetDateParse(TargetDateProblem::kNotADate);
      if (const auto* problem = std::get_if<TargetDateProblem>(&target)) {
        return Refuse(*problem == TargetDateProblem::kLunarYearOutOfRange
                          ? OptionsProblem::kLunarYearOutOfRange
                          : OptionsProblem::kBadDate,
                      value);
      }
      options.target = std::get<TargetDate>(target);
    } else if (name == u"--position") {
      const std::optional<PlacementPreset> preset = gbk ? PresetNamed(*gbk) : std::nullopt;
      if (!preset) return Refuse(OptionsProblem::kUnknownPosition, value);
      options.position = *preset;
    } else {
      if (HasControlCharacter(value)) return Refuse(OptionsProblem::kControlInTitle, value);
      if (!gbk) return Refuse(OptionsProblem::kUnrepresentableTitle, value);
      options.title = *gbk;
    }
  }
  return options;
}

}  // namespace pellomi
