#pragma once
// Small steps the countdown window's handlers share: a window property, a menu check mark.
#include <cstdint>

#include "properties/properties.h"
#include "template/check_group.h"
#include "template/countdown_units.h"

namespace pellomi {

inline void SetWindowProperty(int index, std::int32_t value) {
  SetIntProperty(kCountdownWindowId, kWindowUnitId, index, value);
}

// A menu choice: one window property written, then its item checked against the other.
inline void ChooseWindowSetting(int index, std::int32_t value, UnitId chosen, UnitId other) {
  SetWindowProperty(index, value);
  CheckOneOf(chosen, other);
}

}  // namespace pellomi
