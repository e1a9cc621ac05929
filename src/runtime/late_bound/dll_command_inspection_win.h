#pragma once
// For tests: what the program's late-bound table has bound, and the loader it binds with. The
// program itself never asks.
#include <windows.h>

#include "late_bound/dll_command.h"

namespace pellomi {

bool IsDllCommandBound(DllCommandIndex index);
// The module the entry was bound from, or null.
HMODULE DllCommandModule(DllCommandIndex index);
// The loader the table binds with: system directory only, or a full path as given.
LibraryLoader& SystemLibraryLoading();

}  // namespace pellomi
