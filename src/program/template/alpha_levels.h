#pragma once
// The transparency levels of the countdown window's tray menu and its alpha at start.
#include <array>
#include <cstddef>
#include <cstdint>

#include "template/countdown_units.h"

namespace pellomi {

// The transparency levels of the tray menu: the caption's number is the alpha byte itself.
struct AlphaLevel {
  std::uint8_t alpha;
  UnitId item;
};
inline constexpr std::array<AlphaLevel, 5> kAlphaLevels = {{
    {50, units::kAlpha50},
    {100, units::kAlpha100},
    {150, units::kAlpha150},
    {200, units::kAlpha200},
    {250, units::kAlpha250},
}};
// Their items, the check-mark group of the levels in the menu's order.
inline constexpr std::array<UnitId, kAlphaLevels.size()> kAlphaLevelItems = [] {
  std::array<UnitId, kAlphaLevels.size()> items{};
  for (std::size_t i = 0; i < items.size(); ++i) items[i] = kAlphaLevels[i].item;
  return items;
}();
// "300%" has no handler; nothing here checks or unchecks it.
inline constexpr UnitId kAlpha300Item = units::kAlpha300;

inline constexpr std::uint8_t kStartupAlpha = 180;

}  // namespace pellomi
