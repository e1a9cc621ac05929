#pragma once
// Finding the live objects behind identifiers.
#include "form/identifiers.h"
#include "form/unit_object.h"

namespace pellomi {

// The unit's live object; fatal runtime error "指定窗口或窗口组件不存在或尚未载入" when there is
// none.
UnitObject* FindUnitObject(WindowId window, UnitId unit);

// The window handle of a loaded window's own unit, or null when not loaded (no error).
void* WindowHandleOf(WindowId window);

}  // namespace pellomi
