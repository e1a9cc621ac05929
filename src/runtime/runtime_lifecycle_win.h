#pragma once
// Start and end of the runtime on the user-interface thread.
#include <windows.h>

#include "forms/countdown_template.h"

namespace pellomi {

// Process heap, OLE, current directory, hidden owner window, UI thread, template store.
void InitRuntime(HandlerResolver resolve);
HWND HiddenOwnerWindow();

// Runs the message loop until the quit message; returns its exit code.
int RunEventLoop();

// Called when a loaded window is gone: posts the quit message once no loaded window remains.
void WindowDestroyed();

// Ends the runtime: clean-up routines, late-bound libraries, hidden owner window, OLE.
// From another thread it hands the exit code to the UI thread's owner window and ends the process.
void TerminateRuntime(int exitCode);

// Shows a runtime error report and ends the process with -1.
void PresentFatalError(const std::string& text);

}  // namespace pellomi
