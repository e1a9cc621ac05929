#pragma once
// 32-bit identifiers of windows and units, and what their class and role bits say.
#include <cstdint>

namespace pellomi {

using WindowId = std::uint32_t;
using UnitId = std::uint32_t;

inline constexpr std::uint32_t kClassMask = 0x0F000000u;
inline constexpr std::uint32_t kRoleMask = 0xF0000000u;
inline constexpr std::uint32_t kWindowClass = 0x02000000u;
inline constexpr std::uint32_t kUnitClass = 0x06000000u;
inline constexpr std::uint32_t kMenuItemRole = 0x20000000u;

inline constexpr UnitId kWindowUnitId = 0x06010000u;

constexpr bool IsWindowId(std::uint32_t id) {
  return (id & kClassMask) == kWindowClass;
}
constexpr bool IsUnitIdentifier(std::uint32_t id) {
  return (id & kClassMask) == kUnitClass;
}
constexpr std::uint32_t UnitRole(std::uint32_t id) {
  return (id & kRoleMask) >> 28;
}
constexpr bool IsMenuItemId(std::uint32_t id) {
  return (id & kClassMask) == kUnitClass && (id & kRoleMask) == kMenuItemRole;
}

}  // namespace pellomi
