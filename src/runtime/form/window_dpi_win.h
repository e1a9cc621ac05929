#pragma once
// The DPI of the display a window is on, as the window system reports it to this process.
#include <windows.h>

#include <cstdint>

namespace pellomi {

// GetDpiForWindow where Windows has it (10 version 1607 and later, loaded at the first call);
// before that the screen's DPI, which is the system DPI that a system-aware process draws at;
// 96 when neither answers.
std::uint32_t DpiOfWindow(HWND window);

// The screen's DPI (the system DPI); 96 when it gives none.
std::uint32_t SystemDpi();

// A user32 export that older Windows may lack, looked up by name; null where it is missing.
void* User32Export(const char* name);

}  // namespace pellomi
