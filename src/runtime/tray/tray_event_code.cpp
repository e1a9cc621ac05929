#include "tray/tray_event_code.h"

namespace pellomi {
namespace {

constexpr std::uint64_t kLeftButtonUp = 0x202;
constexpr std::uint64_t kLeftButtonDoubleClick = 0x203;
constexpr std::uint64_t kRightButtonUp = 0x205;
constexpr std::uint64_t kContextMenu = 0x7B;

}  // namespace

std::optional<int> TrayEventCodeFor(std::uint64_t notification) {
  switch (notification) {
    case kLeftButtonUp:
      return 1;
    case kLeftButtonDoubleClick:
      return 2;
    case kRightButtonUp:
    case kContextMenu:
      return 3;
    default:
      return std::nullopt;
  }
}

}  // namespace pellomi
