#pragma once
// Start and end of the runtime on the user-interface thread.
#include <windows.h>

#include <string>

#include "form/program_definition.h"

namespace pellomi {

// OLE, the program's image as the constant pool, current directory, hidden owner window, UI
// thread, and the template store filled from the program's template.
void InitRuntime(const ProgramDefinition& program);
HWND HiddenOwnerWindow();

// Ends the runtime: clean-up routines, late-bound libraries, hidden owner window, OLE.
// From another thread it hands the exit code to the UI thread's owner window and ends the process.
void TerminateRuntime(int exitCode);

// Shows a runtime error report and ends the process with -1.
void PresentFatalError(const std::string& text);

}  // namespace pellomi
