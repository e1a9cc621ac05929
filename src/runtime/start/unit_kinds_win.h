#pragma once
// Creation of a window's component units, looked up by unit kind.
#include <windows.h>

#include "form/unit_object.h"

namespace pellomi {

struct ComponentPlacement {
  DWORD style = 0;  // disabled and tab-stop bits from the unit's flags
  HWND parent = nullptr;
  int childId = 0;
  WindowId window = 0;
};

// The unit's object, or null when its kind has no component factory or creation fails.
UnitObject* CreateComponentUnit(const UnitRecord& unit, const ComponentPlacement& placement);

}  // namespace pellomi
