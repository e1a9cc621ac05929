#pragma once
// The event loop of the user-interface thread.

namespace pellomi {

// Runs the message loop until the quit message; returns its exit code.
int RunEventLoop();

// Called when a loaded window is gone: posts the quit message once no loaded window remains.
void WindowDestroyed();

}  // namespace pellomi
