#pragma once
// The DPI of the display a window is on, as the window system reports it to this process.
#include <windows.h>

#include <cstdint>

namespace pellomi {

// GetDpiForWindow where Windows has it (10 version 1607 and later, loaded at the first call);
// before that the screen's DPI, which is the system DPI that a system-aware process draws at;
// 96 when neither answers.
std::uint32_t DpiOfWindow(HWND window);

}  // namespace pellomi
