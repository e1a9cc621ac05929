#pragma once
// Which mouse notifications of the tray icon raise the window's tray event, and with what code.
#include <cstdint>
#include <optional>

namespace pellomi {

// `notification` is the lParam of the tray callback message. None for mouse moves, presses and
// anything else that should not open the menu.
std::optional<int> TrayEventCodeFor(std::uint64_t notification);

}  // namespace pellomi
