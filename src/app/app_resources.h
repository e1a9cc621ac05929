// Resource identifiers of Pellomi.exe, shared by the resource script and the code that reads it.
#pragma once

// The lowest icon group: Explorer and Alt+Tab take the program's icon from it.
#define IDI_PELLOMI 1

// The application manifest of an executable has this fixed identifier.
#define IDR_PELLOMI_MANIFEST 1
