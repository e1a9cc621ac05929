#pragma once
// The Startup folder's shortcut for --startup: its file name and the arguments it starts with.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pellomi {

// One argument as CommandLineToArgvW reads it back whole: quoted when it is empty or holds a
// space, tab or quote; backslashes doubled where they precede a quote, the closing one included.
std::u16string QuoteArgument(std::u16string_view arg);

// The given arguments (already accepted by the parser) without --startup in any form, each
// quoted, separated by spaces.
std::u16string ShortcutArguments(std::span<const std::u16string> args);

// Pellomi.lnk for the product's title, else "Pellomi - TITLE.lnk" with every character a file
// name cannot hold replaced by _, and a long title cut to keep the name within a path's reach.
std::u16string ShortcutFileName(const std::optional<std::u16string>& title);

}  // namespace pellomi
