#pragma once
// Private window messages of the runtime.
#include <cstdint>

namespace pellomi {

inline constexpr std::uint32_t kDeferredDestroyMessage = 0x8000u + 101u;  // WM_APP + 101
inline constexpr std::uint32_t kExitRequestMessage = 0x8000u + 999u;      // WM_APP + 999

// Window events.
inline constexpr int kEventCreated = 0;
inline constexpr int kEventCloseQuery = 1;
inline constexpr int kEventDestroyed = 2;
inline constexpr int kEventAfterCreated = 3;
inline constexpr int kEventAfterCreated2 = 4;
inline constexpr int kEventTray = 9;
inline constexpr int kEventCloseRequest = 12;

}  // namespace pellomi
