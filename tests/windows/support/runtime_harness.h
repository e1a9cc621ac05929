#pragma once
// Runs the real runtime in a test process: the countdown window loaded from its template with
// the program's handlers (or test doubles), messages pumped on demand, fatal reports observed
// from a parent process.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "form/unit_model.h"
#include "template/countdown_units.h"

namespace pellomi::testing {

// Initialises the runtime once per process with `resolve` (the program's handlers by default).
void EnsureRuntime(HandlerRoutine (*resolve)(std::string_view) = nullptr);

// Loads the countdown window (fresh working copy) and returns its handle.
HWND LoadCountdown();
// Destroys the countdown window if it is loaded, pumping until it is gone.
void DestroyCountdown();
HWND CountdownHwnd();

// Dispatches messages for `ms` milliseconds (timer ticks and posted commands run here).
void PumpMessages(DWORD ms);
// Dispatches messages until `done` holds or `ms` pass; returns whether it held.
bool PumpUntil(const std::function<bool()>& done, DWORD ms);

// The text of a message box a child process showed, and the child's exit code.
struct ChildOutcome {
  DWORD exitCode = 0;
  std::wstring boxCaption;
  std::wstring boxText;
  bool sawBox = false;
};

// Runs this test program again with only `gtestFilter` (DISABLED_ tests included). While it runs,
// a message box of the child is read and answered with `button` (IDOK or IDCANCEL).
ChildOutcome RunChild(std::string_view gtestFilter, int button = IDOK, DWORD timeoutMs = 20000);

}  // namespace pellomi::testing
