#pragma once
// The small-icon size at a window's DPI, from the system.
#include <windows.h>

#include <cstdint>

namespace pellomi {

// GetSystemMetricsForDpi where Windows has it (10 version 1607 and later, looked up at the first
// call); before that the system's SM_CXSMICON scaled from the system DPI to `dpi`.
int SmallIconSizeAtDpi(std::uint32_t dpi);

}  // namespace pellomi
