#pragma once
// The runtime's process-wide state: the template store, event suspension, clean-up routines.
#include <cstdint>
#include <vector>

#include "form/template_store.h"

namespace pellomi {

using CleanupRoutine = void (*)(std::int32_t registrationIndex);

// What a loaded window offers the window-free runtime.
class WindowObject {
 public:
  virtual ~WindowObject() = default;
  // Rebuilds the menu bar from the working copy and sets it on the window.
  virtual void RebuildMenuBar() = 0;
  virtual bool IsClosing() const = 0;
};

struct RuntimeState {
  TemplateStore store;
  int loadsInProgress = 0;
  int errorsReported = 0;
  bool terminating = false;
  bool runStarted = false;
  std::vector<CleanupRoutine> cleanups;

  bool EventsSuspended() const { return loadsInProgress > 0 || errorsReported > 0 || terminating; }
};

RuntimeState& Runtime();

// Registers a clean-up routine once; termination calls them in registration order.
void RegisterCleanup(CleanupRoutine routine);
void RunCleanupRoutines();

// Suspends event delivery for a window load while alive.
class LoadSuspension {
 public:
  LoadSuspension() { ++Runtime().loadsInProgress; }
  ~LoadSuspension() { --Runtime().loadsInProgress; }
  LoadSuspension(const LoadSuspension&) = delete;
  LoadSuspension& operator=(const LoadSuspension&) = delete;
};

}  // namespace pellomi
