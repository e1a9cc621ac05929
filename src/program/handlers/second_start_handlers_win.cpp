// A second start's request, carried out by the running widget.
#include "handlers/second_start_handlers.h"

#include "handlers/widget_handlers.h"
#include "handlers/window_created_handler.h"
#include "options/second_start.h"
#include "template/countdown_units.h"
#include "values/received_data.h"
#include "window_commands/window_commands_win.h"
#include "windowed/window_dpi_win.h"

namespace pellomi {

// Each keeps the choice where the start-up reads it, so that later display changes and the
// full-screen check follow it too.
void ApplySecondStartScreen(std::int32_t screen) {
  ActiveCountdownOptions().screen = screen;
  OnDisplayChanged(0, nullptr);  // the checked place on the asked monitor
}

void ApplySecondStartSize(std::int32_t sizePercent) {
  ActiveCountdownOptions().sizePercent = sizePercent;
  SetLayoutPercent(static_cast<std::uint32_t>(sizePercent));
  // Laid out again as on a change of scale: corners made again, placed by the checked preset.
  RelayoutWindow(kCountdownWindowId);
}

void ApplySecondStartFullscreen(FullscreenMode mode) {
  ActiveCountdownOptions().fullscreen = mode;
}

void ApplySecondStartPosition(PlacementPreset preset) {
  ActiveCountdownOptions().position = preset;
  PlaceWindowInitiallyAt(preset);
}

void OnSecondStart(int, const std::int32_t*) {
  const std::optional<SecondStartRequest> request = DecodeSecondStart(ReceivedData());
  // Another widget's request (a name that happens to hash alike) is left to its sender.
  if (!request || request->identity != WidgetIdentity(ActiveCountdownOptions())) return;
  AcceptReceivedData();
  if (request->screen) ApplySecondStartScreen(*request->screen);
  if (request->sizePercent) ApplySecondStartSize(*request->sizePercent);
  if (request->fullscreen) ApplySecondStartFullscreen(*request->fullscreen);
  if (request->position) ApplySecondStartPosition(*request->position);
  OnShowMainWindow(0, nullptr);
}

}  // namespace pellomi
