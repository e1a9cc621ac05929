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
// The system clock or time zone was set; the computer resumed from sleep. Either may have moved
// the local time by any amount.
inline constexpr int kEventTimeChanged = 13;
inline constexpr int kEventResumed = 14;

}  // namespace pellomi
