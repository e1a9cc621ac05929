#include "options/startup_shortcut.h"

namespace pellomi {
namespace {

// Leaves room for the folder within MAX_PATH on the usual profile paths.
constexpr std::size_t kMaxTitleInName = 120;

bool IsStartupOption(std::u16string_view arg) {
  return arg == u"--startup" || arg.starts_with(u"--startup=");
}

bool TakesSeparateValue(std::u16string_view arg) {
  return arg == u"--target" || arg == u"--title" || arg == u"--position" || arg == u"--screen" ||
         arg == u"--size" || arg == u"--fullscreen";
}

bool CannotBeInFileName(char16_t c) {
  return c < 0x20 || c == 0x7F ||
         std::u16string_view(u"<>:\"/\\|?*").find(c) != std::u16string_view::npos;
}

}  // namespace

std::u16string QuoteArgument(std::u16string_view arg) {
  if (!arg.empty() && arg.find_first_of(u" \t\n\v\"") == std::u16string_view::npos) {
    return std::u16string(arg);
  }
  std::u16string quoted = u"\"";
  std::size_t backslashes = 0;
  for (char16_t c : arg) {
    if (c == u'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes count only before a quote: then each is doubled and the quote escaped.
    quoted.append(c == u'"' ? 2 * backslashes + 1 : backslashes, u'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, u'\\');  // before the closing quote
  quoted += u'"';
  return quoted;
}

std::u16string ShortcutArguments(std::span<const std::u16string> args) {
  std::u16string line;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (IsStartupOption(args[i])) continue;
    const bool withValue = TakesSeparateValue(args[i]) && i + 1 < args.size();
    for (std::size_t j = i; j <= (withValue ? i + 1 : i); ++j) {
      if (!line.empty()) line += u' ';
      line += QuoteArgument(args[j]);
    }
    if (withValue) ++i;  // a value that reads like --startup is a value all the same
  }
  return line;
}

std::u16string ShortcutFileName(const std::optional<std::u16string>& title) {
  if (!title) return u"Pellomi.lnk";
  std::u16string part = title->substr(0, kMaxTitleInName);
  // Not half of a surrogate pair at the cut.
  if (part.size() < title->size() && !part.empty() && part.back() >= 0xD800 &&
      part.back() <= 0xDBFF) {
    part.pop_back();
  }
  for (char16_t& c : part) {
    if (CannotBeInFileName(c)) c = u'_';
  }
  // The name starts with "Pellomi - " and ends with ".lnk", so no reserved device name (CON,
  // NUL...) and no trailing dot or space can arise, whatever the title.
  return u"Pellomi - " + part + u".lnk";
}

}  // namespace pellomi
