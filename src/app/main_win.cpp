// Pellomi: a countdown widget. The entry runs the runtime's start-up in order.
#include <windows.h>

#include <cfenv>

#include "forms/handler_table.h"
#include "runtime/load_window_win.h"
#include "runtime/runtime_lifecycle_win.h"
#include "runtime/runtime_state.h"

namespace {

void ProgramCleanup(std::int32_t /*registrationIndex*/) {}

std::int32_t StartupRoutine() {
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace pellomi;
  InitRuntime(ResolveProgramHandler);
  // All arithmetic relies on round-to-nearest with every exception masked.
  std::fesetenv(FE_DFL_ENV);
  RegisterCleanup(ProgramCleanup);
  StartupRoutine();
  LoadWindow(kCountdownWindowId);
  int exitCode = RunEventLoop();
  TerminateRuntime(exitCode);
  return exitCode;
}
