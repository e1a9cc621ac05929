#pragma once
// Keeps the program's folder out of the search for DLLs that the system loads later on the
// program's behalf (shell extensions, input methods, themes).
#include <windows.h>

namespace pellomi {

// Looks up a kernel32 export by name (null when missing); a seam for tests.
using KernelExportLookup = void* (*)(const char* name);

// SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) where kernel32 has it (Windows 8, or 7
// with KB2533623), looked up at run time so that Windows 7 without it still starts. True when the
// restriction took effect.
bool RestrictDllSearchToSystemFolder(KernelExportLookup lookup);
bool RestrictDllSearchToSystemFolder();

}  // namespace pellomi
