// Pellomi: a countdown widget. The entry runs the runtime's start-up in order.
#include <windows.h>

#include <cfenv>
#include <variant>

#include "countdown/command_line_win.h"
#include "countdown/window_created_handler.h"
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
  // Bad arguments end the program before any window or tray icon exists.
  const OptionsOutcome options = ReadCommandLineOptions();
  if (!std::holds_alternative<CountdownOptions>(options)) return ShowOptionsBox(options);
  UseCountdownOptions(std::get<CountdownOptions>(options));
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
