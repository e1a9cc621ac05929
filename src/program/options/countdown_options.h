#pragma once
// The command line: Pellomi.exe [--target DATE] [--title TEXT] [--position PLACE] [--screen N]
// [--size N] [--fullscreen=hide|show] [--startup[=off]], or --help (-h, /?) for the usage; each
// option with a value also as --option=value. Arguments arrive as UTF-16 (the program's name left
// out) and enter the program as GBK.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "commands/date_time.h"
#include "dates/target_date.h"
#include "placement/placement.h"

namespace pellomi {

// Whether the widget steps aside while a full-screen program is in front of its monitor.
enum class FullscreenMode { kHide, kShow };

// What --startup asks of the Startup folder's shortcut.
enum class StartupShortcut { kWrite, kRemove };

inline constexpr std::int32_t kMaxScreenNumber = 16;
inline constexpr std::int32_t kMinSizePercent = 50;
inline constexpr std::int32_t kMaxSizePercent = 400;

// Every option is optional so that a second start can tell which ones it names.
struct CountdownOptions {
  std::optional<TargetDate> target;          // none: the count without options
  std::optional<std::string> title;          // GBK; none keeps the product name
  std::optional<PlacementPreset> position;   // none: the top centre, check marks untouched
  std::optional<std::int32_t> screen;        // 1 to 16 from the left; none: the primary monitor
  std::optional<std::int32_t> sizePercent;   // 50 to 400; none: 100
  std::optional<FullscreenMode> fullscreen;  // none: kHide
  std::optional<StartupShortcut> startup;    // none: the Startup folder is left alone
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
  kBadScreen,
  kBadSize,
  kBadFullscreen,
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
