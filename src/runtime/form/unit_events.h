#pragma once
// The event numbers that units fire and templates bind handlers to.

namespace pellomi {

// Events of the window's own unit.
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
// The display mode changed (another resolution, a screen added or taken away), so the screen
// size may differ. The window stays where it was.
inline constexpr int kEventDisplayChanged = 15;
// The window's display scale changed: the runtime has laid the window and its components out
// again from the template for the new DPI; what handlers did to the old layout (a region, a
// place on the screen) is theirs to do again.
inline constexpr int kEventDpiChanged = 16;
// Another process sent the window a block of data (values/received_data.h); no arguments.
inline constexpr int kEventDataReceived = 17;

// The timer unit's one event: its interval has elapsed.
inline constexpr int kEventTimerElapsed = 0;

}  // namespace pellomi
