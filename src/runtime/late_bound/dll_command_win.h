#pragma once
// The program's late-bound system functions, called through typed wrappers. Each entry is bound
// at its first call from the system directory only, and stays bound until UnloadDllCommands.
#include <windows.h>

#include <cstdint>

#include "handles_win.h"
#include "late_bound/dll_command.h"

namespace pellomi {

// Address of an entry, bound on first use (fatal runtime error when it cannot be bound).
void* DllCommandAddress(DllCommandIndex index);
// Termination: unloads what binding loaded and clears the table's addresses.
void UnloadDllCommands();

// Typed calls. Integer arguments and results keep their 32-bit meaning; handles are pointers.
std::int32_t DllGetWindowLong(HWND window, std::int32_t index);
std::int32_t DllSetWindowLong(HWND window, std::int32_t index, std::int32_t value);
bool DllSetLayeredWindowAttributes(HWND window, COLORREF colourKey, std::uint8_t alpha,
                                   std::uint32_t flags);
HRGN DllCreateRoundRectRgn(std::int32_t left, std::int32_t top, std::int32_t right,
                           std::int32_t bottom, std::int32_t ellipseWidth,
                           std::int32_t ellipseHeight);
bool DllSetWindowRgn(HWND window, HRGN region, bool redraw);
bool DllDeleteObject(HGDIOBJ object);
bool DllGetClientRect(HWND window, RECT* rect);

// A region made through the table and not yet handed to a window: the widget reaches gdi32 only
// through the table, so its owner gives the region back through the table's DeleteObject too.
using LateBoundRegion = platform::UniqueHandle<platform::NullMeansNone<HRGN, DllDeleteObject>>;

}  // namespace pellomi
