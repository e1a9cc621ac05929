#pragma once
// Small steps the countdown window's handlers share: a window property, a menu check mark.
#include <cstdint>

#include "properties/properties.h"

namespace pellomi {

inline void SetWindowProperty(int index, std::int32_t value) {
  SetIntProperty(kCountdownWindowId, kWindowUnitId, index, value);
}

inline void SetChecked(UnitId item, bool checked) {
  SetIntProperty(kCountdownWindowId, item, kMenuPropChecked, checked ? 1 : 0);
}

}  // namespace pellomi
