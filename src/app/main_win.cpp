// Pellomi: a countdown widget. The entry runs the runtime's start-up in order.
#include <windows.h>

#include <cfenv>
#include <variant>

#include "desk/running_widget_win.h"
#include "form/runtime_state.h"
#include "handlers/handler_table.h"
#include "handlers/window_created_handler.h"
#include "options/command_line_win.h"
#include "options/startup_shortcut_win.h"
#include "start/dll_search_win.h"
#include "start/load_window_win.h"
#include "start/runtime_lifecycle_win.h"
#include "template/countdown_template.h"
#include "template/countdown_units.h"
#include "window_commands/window_commands_win.h"
#include "windowed/event_loop_win.h"
#include "windowed/window_dpi_win.h"

namespace {

void ProgramCleanup(std::int32_t /*registrationIndex*/) {}

std::int32_t StartupRoutine() {
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace pellomi;
  // Before anything makes the system load a library for us.
  RestrictDllSearchToSystemFolder();
  // Bad arguments end the program before any window or tray icon exists.
  const OptionsOutcome options = ReadCommandLineOptions();
  if (!std::holds_alternative<CountdownOptions>(options)) return ShowOptionsBox(options);
  const CountdownOptions& chosen = std::get<CountdownOptions>(options);
  // --startup first: a shortcut that cannot be written ends the start as a bad option does.
  if (!ApplyStartupShortcut(chosen, CommandLineArguments())) return kExitBadArguments;
  // A widget of the same date and title already runs: it takes the other options.
  RunningWidgetClaim claim(chosen);
  if (claim.HandedOver()) return 0;
  UseCountdownOptions(chosen);
  SetLayoutPercent(static_cast<std::uint32_t>(chosen.sizePercent.value_or(100)));
  InitRuntime({BuildCountdownTemplate, ResolveProgramHandler});
  // All arithmetic relies on round-to-nearest with every exception masked.
  std::fesetenv(FE_DFL_ENV);
  RegisterCleanup(ProgramCleanup);
  StartupRoutine();
  LoadWindow(kCountdownWindowId);
  claim.Publish(GetUnitWindowHandle(kCountdownWindowId, kWindowUnitId));
  int exitCode = RunEventLoop();
  TerminateRuntime(exitCode);
  return exitCode;
}
