#pragma once
// The DPI of the display a window is on, as the window system reports it to this process, and
// the size the program asks for on top of it.
#include <windows.h>

#include <cstdint>

namespace pellomi {

// GetDpiForWindow where Windows has it (10 version 1607 and later, loaded at the first call);
// else the DPI of the window's monitor from shcore's GetDpiForMonitor (8.1 and later, loaded at
// run time, as the system DPI is stale there after a scale change); else the screen's DPI, which
// is the system DPI that a system-aware process draws at; 96 when none answers.
std::uint32_t DpiOfWindow(HWND window);

// The effective DPI of a monitor: GetDpiForMonitor where Windows has it, else the system DPI.
std::uint32_t DpiOfMonitor(HMONITOR monitor);

// The program's size in percent on top of the display scale (100 unless set before the first
// window is made); windows are laid out at LayoutDpi(DpiOfWindow, LayoutPercent()).
void SetLayoutPercent(std::uint32_t percent);
std::uint32_t LayoutPercent();

// The screen's DPI (the system DPI); 96 when it gives none.
std::uint32_t SystemDpi();

// A user32 export that older Windows may lack, looked up by name; null where it is missing.
void* User32Export(const char* name);

}  // namespace pellomi
