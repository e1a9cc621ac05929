#pragma once
// The probe's commands. Each prints one JSON line and returns the process exit code
// (0 done, 1 the looked-for window or state was not found, 2 bad arguments).
#include <windows.h>

#include <string>

#include "probe_args_win.h"
#include "probe_json_win.h"

namespace pellomi::probe {

// Inspection of another process's windows.
int RunFind(const ProbeArgs& args);
int RunWindow(const ProbeArgs& args);
int RunChildren(const ProbeArgs& args);
int RunStack(const ProbeArgs& args);
int RunScreen(const ProbeArgs& args);
int RunDisplayMode(const ProbeArgs& args);
int RunMessageBox(const ProbeArgs& args);

// Messages sent to other windows.
int RunClose(const ProbeArgs& args);
int RunCommand(const ProbeArgs& args);
int RunBroadcastTaskbarCreated(const ProbeArgs& args);

// Helper windows that stay until the probe is killed (or --lifetime ms passes).
int RunTopmostWindow(const ProbeArgs& args);
int RunClickTarget(const ProbeArgs& args);
// In the foreground: borderless (a full-screen program when --rect is a monitor) or, with
// --caption, an ordinary window shown maximised.
int RunFrontWindow(const ProbeArgs& args);
// Detaches a monitor (--detach) or attaches it at --rect, then applies the change, as Windows'
// display settings do.
int RunMonitorChange(const ProbeArgs& args);

// Shared look-ups.
HWND WaitForWindow(const ProbeArgs& args, DWORD default_timeout_ms);
std::wstring WindowText(HWND window);
std::wstring WindowClass(HWND window);
// A report that starts with what every found window has: handle, title, rectangle, visibility.
JsonBuilder FoundWindowReport(HWND window);
int ReportMissing(const ProbeArgs& args);

}  // namespace pellomi::probe
