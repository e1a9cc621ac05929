#include "options/countdown_options.h"

#include <algorithm>

#include "placement/position_names.h"

namespace pellomi {
namespace {

bool IsHelp(std::u16string_view arg) {
  return arg == u"--help" || arg == u"-h" || arg == u"/?";
}

bool TakesValue(std::u16string_view name) {
  return name == u"--target" || name == u"--title" || name == u"--position" ||
         name == u"--screen" || name == u"--size" || name == u"--fullscreen";
}

// A whole number in ASCII digits within [least, most]; a leading zero is fine, a sign is not.
std::optional<std::int32_t> WholeNumberIn(std::u16string_view text, std::int32_t least,
                                          std::int32_t most) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  std::int32_t value = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c - u'0');
  }
  if (value < least || value > most) return std::nullopt;
  return value;
}

std::optional<StartupShortcut> StartupRequestOf(std::u16string_view arg) {
  if (arg == u"--startup" || arg == u"--startup=on") return StartupShortcut::kWrite;
  if (arg == u"--startup=off") return StartupShortcut::kRemove;
  return std::nullopt;
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
    // The one option without a value: on, or off after an equals sign.
    if (const std::optional<StartupShortcut> startup = StartupRequestOf(arg)) {
      options.startup = *startup;
      continue;
    }
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
    } else if (name == u"--screen") {
      const std::optional<std::int32_t> screen = WholeNumberIn(value, 1, kMaxScreenNumber);
      if (!screen) return Refuse(OptionsProblem::kBadScreen, value);
      options.screen = *screen;
    } else if (name == u"--size") {
      // 150 and 150% alike.
      const std::u16string_view number =
          value.ends_with(u'%') ? value.substr(0, value.size() - 1) : value;
      const std::optional<std::int32_t> size =
          WholeNumberIn(number, kMinSizePercent, kMaxSizePercent);
      if (!size) return Refuse(OptionsProblem::kBadSize, value);
      options.sizePercent = *size;
    } else if (name == u"--fullscreen") {
      if (value == u"hide") {
        options.fullscreen = FullscreenMode::kHide;
      } else if (value == u"show") {
        options.fullscreen = FullscreenMode::kShow;
      } else {
        return Refuse(OptionsProblem::kBadFullscreen, value);
      }
    } else {
      if (HasControlCharacter(value)) return Refuse(OptionsProblem::kControlInTitle, value);
      if (!gbk) return Refuse(OptionsProblem::kUnrepresentableTitle, value);
      options.title = *gbk;
    }
  }
  return options;
}

}  // namespace pellomi
