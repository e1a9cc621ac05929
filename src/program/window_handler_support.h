#pragma once
// Small steps the countdown window's handlers share: a window property, a menu check mark.
#include <cstdint>

#include "countdown_units.h"
#include "properties/properties.h"

namespace pellomi {

inline void SetWindowProperty(int index, std::int32_t value) {
  SetIntProperty(kCountdownWindowId, kWindowUnitId, index, value);
}

inline void SetChecked(UnitId item, bool checked) {
  SetIntProperty(kCountdownWindowId, item, kMenuPropChecked, checked ? 1 : 0);
}

// Two items that exclude each other: `chosen` is checked first, then `other` unchecked.
inline void CheckOneOf(UnitId chosen, UnitId other) {
  SetChecked(chosen, true);
  SetChecked(other, false);
}

// A menu choice: one window property written, then its item checked against the other.
inline void ChooseWindowSetting(int index, std::int32_t value, UnitId chosen, UnitId other) {
  SetWindowProperty(index, value);
  CheckOneOf(chosen, other);
}

}  // namespace pellomi
