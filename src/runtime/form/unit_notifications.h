#pragma once
// Notifications that units send to the runtime.
#include "form/identifiers.h"

namespace pellomi {

// A unit's window has been destroyed (its last message processed): the runtime clears the unit's
// object slot; for the window's own unit it drops the working copy of the table.
void NotifyUnitDestroyed(WindowId window, UnitId unit);

// Fires an event of a unit to the handler its table binds; false when no handler ran (events are
// suspended, or none is bound). An unknown window or unit, or a unit of a kind without events,
// is a fatal runtime error.
bool FireEvent(WindowId window, UnitId unit, int event, int argCount, const std::int32_t* args);

}  // namespace pellomi
