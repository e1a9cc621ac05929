#pragma once
// Window commands that handlers use: handle, move, screen size.
#include <windows.h>

#include <cstdint>
#include <optional>

#include "form/identifiers.h"

namespace pellomi {

// The window handle of a unit's live object (fatal error when the unit has none), or null if the
// object has no window.
HWND GetUnitWindowHandle(WindowId window, UnitId unit);

// Moves a unit; an omitted value keeps the current one, a width or height of -1 too. Makes no
// MoveWindow call when the rectangle would not change.
void MoveUnit(WindowId window, UnitId unit, std::optional<int> left, std::optional<int> top,
              std::optional<int> width, std::optional<int> height);

int ScreenWidth();
int ScreenHeight();

// The DPI a loaded window is laid out for, by which a handler scales its own 96-DPI pixel
// values (ScaleToDpi); 96 for a window that is not loaded.
std::uint32_t WindowDpi(WindowId window);

// Lays a loaded window out again at its display's DPI and the layout percent now set (after
// SetLayoutPercent), as a change of display scale does, the display-scale event included.
void RelayoutWindow(WindowId window);

}  // namespace pellomi
