#pragma once
// Exclusive check-mark groups of the tray menu: choosing an item checks it and unchecks every
// other item of its group, written in the group's order. Items outside the group are left alone.
#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "properties/properties.h"
#include "template/countdown_units.h"

namespace pellomi {

// The check-mark writes of a group, in the group's order: 1 for `chosen`, 0 for the others.
using CheckWrite = std::pair<UnitId, std::int32_t>;
template <std::size_t N>
std::array<CheckWrite, N> CheckWritesFor(const std::array<UnitId, N>& group, UnitId chosen) {
  std::array<CheckWrite, N> writes{};
  for (std::size_t i = 0; i < N; ++i) writes[i] = {group[i], group[i] == chosen ? 1 : 0};
  return writes;
}

// Writes the checked property of every item of `group` on the countdown window.
template <std::size_t N>
void CheckOnly(const std::array<UnitId, N>& group, UnitId chosen) {
  for (const CheckWrite& write : CheckWritesFor(group, chosen)) {
    SetIntProperty(kCountdownWindowId, write.first, kMenuPropChecked, write.second);
  }
}

// A group of two, written chosen first.
inline void CheckOneOf(UnitId chosen, UnitId other) {
  CheckOnly(std::array<UnitId, 2>{chosen, other}, chosen);
}

}  // namespace pellomi
