#pragma once
// Resets the process-wide runtime state around each test and loads the countdown template with
// recording handlers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/runtime_state.h"
#include "template/countdown_template.h"

namespace pellomi::testing {

// Names of the handlers called, in order, with their first argument (or -1).
std::vector<std::pair<std::string, int>>& HandlerCalls();
// Resolves every template handler name to a routine that records its name.
HandlerRoutine RecordingResolver(std::string_view name);

class RuntimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Reset();
    Runtime().store.Add(BuildCountdownTemplate(RecordingResolver));
  }
  void TearDown() override { Reset(); }

  static void Reset() {
    RuntimeState& runtime = Runtime();
    runtime.store.Clear();
    runtime.loadsInProgress = 0;
    runtime.errorsReported = 0;
    runtime.terminating = false;
    runtime.runStarted = false;
    HandlerCalls().clear();
  }

  WindowEntry& Entry() { return *Runtime().store.Find(kCountdownWindowId); }
  // Makes a working copy as a load does, without any window.
  WindowTemplate& Working() {
    WindowEntry& entry = Entry();
    if (!entry.working) entry.working = std::make_unique<WindowTemplate>(entry.pristine);
    return *entry.working;
  }
};

}  // namespace pellomi::testing
