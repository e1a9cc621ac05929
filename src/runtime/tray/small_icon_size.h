#pragma once
// The size the shell draws a notification-area icon at: the small-icon size at the window's DPI.
#include <cstdint>

namespace pellomi {

// `systemSize` is the small-icon size the system reports for its own DPI `systemDpi`; the window
// is at `windowDpi`. Scaled and rounded to the nearest pixel; 16 when the system gives nothing.
int ScaledSmallIconSize(int systemSize, std::uint32_t systemDpi, std::uint32_t windowDpi);

}  // namespace pellomi
