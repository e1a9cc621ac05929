#include "countdown_options.h"

#include "countdown_caption.h"

namespace pellomi {
namespace {

bool IsHelp(std::u16string_view arg) {
  return arg == u"--help" || arg == u"-h" || arg == u"/?";
}

OptionsRefusal Refuse(OptionsProblem problem, std::u16string_view argument) {
  return {problem, std::u16string(argument)};
}

}  // namespace

OptionsOutcome ParseCountdownOptions(std::span<const std::u16string> args, GbkEncoder toGbk) {
  CountdownOptions options;
  options.target = DefaultCountdownTarget();
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::u16string& arg = args[i];
    if (IsHelp(arg)) return HelpRequest{};
    const bool isTarget = arg == u"--target";
    if (!isTarget && arg != u"--title") return Refuse(OptionsProblem::kUnknownOption, arg);
    if (i + 1 == args.size()) return Refuse(OptionsProblem::kMissingValue, arg);
    const std::u16string& value = args[++i];
    const std::optional<std::string> gbk = toGbk(value);
    if (isTarget) {
      // A date that GBK cannot hold is no date either.
      const std::optional<DateTime> target =
          gbk ? CountdownTargetFromText(gbk->c_str()) : std::nullopt;
      if (!target) return Refuse(OptionsProblem::kBadDate, value);
      options.target = *target;
    } else {
      if (!gbk) return Refuse(OptionsProblem::kUnrepresentableTitle, value);
      options.title = *gbk;
    }
  }
  return options;
}

}  // namespace pellomi
