#pragma once
// The command line: Pellomi.exe [--target DATE] [--title TEXT] [--position PLACE], or --help (-h,
// /?) for the usage; each option also as --option=value. Arguments arrive as UTF-16 (the
// program's name left out) and enter the program as GBK.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "commands/date_time.h"
#include "dates/target_date.h"
#include "placement/placement.h"

namespace pellomi {

struct CountdownOptions {
  std::optional<TargetDate> target;         // none: the count without options
  std::optional<std::string> title;         // GBK; none keeps the product name
  std::optional<PlacementPreset> position;  // none: the top centre, check marks untouched
};

struct HelpRequest {};

// The message box names each in this order (command_line_win.cpp).
enum class OptionsProblem {
  kUnknownOption,
  kMissingValue,
  kBadDate,
  kLunarYearOutOfRange,
  kUnrepresentableTitle,
  kControlInTitle,
  kUnknownPosition,
};

// The first argument the program cannot use, as it was given.
struct OptionsRefusal {
  OptionsProblem problem = OptionsProblem::kUnknownOption;
  std::u16string argument;
};

using OptionsOutcome = std::variant<CountdownOptions, HelpRequest, OptionsRefusal>;

// The exact GBK form of a text; none when GBK cannot hold one of its characters.
using GbkEncoder = std::optional<std::string> (*)(std::u16string_view text);

// Options in order; --help anywhere before a bad argument asks for the usage. Without arguments
// no target, title or place of the user's own.
OptionsOutcome ParseCountdownOptions(std::span<const std::u16string> args, GbkEncoder toGbk);

}  // namespace pellomi
