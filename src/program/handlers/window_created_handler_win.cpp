// The countdown window's created handler (placement, tray icon, transparency, corners, title and
// caption) and the recounts that keep the caption true afterwards.
#include <optional>
#include <string>

#include "dates/caption_keeper.h"
#include "dates/countdown_caption.h"
#include "handlers/widget_handlers.h"
#include "handlers/window_created_handler.h"
#include "properties/properties.h"
#include "template/countdown_template.h"
#include "tray_icon/tray_setup_win.h"

namespace pellomi {
namespace {

// Remembers what label 2 shows; made anew for each created window.
std::optional<CaptionKeeper>& Keeper() {
  static std::optional<CaptionKeeper> keeper;
  return keeper;
}

void WriteCaption(const std::optional<std::string>& caption) {
  if (caption) {
    SetTextProperty(kCountdownWindowId, units::kCountdownLabel, kLabelPropCaption,
                    caption->c_str());
  }
}

}  // namespace

CountdownOptions& ActiveCountdownOptions() {
  static CountdownOptions options;
  return options;
}

void UseCountdownOptions(const CountdownOptions& options) {
  ActiveCountdownOptions() = options;
}

const CountdownOptions& ChosenCountdownOptions() {
  return ActiveCountdownOptions();
}

void OnWindowCreated(int /*argCount*/, const std::int32_t* /*args*/) {
  if (const std::optional<PlacementPreset> position = ActiveCountdownOptions().position) {
    PlaceWindowInitiallyAt(*position);
  } else {
    PlaceWindowAtTopCenterInitially();
  }
  InstallCountdownTrayIcon();
  ApplyStartupTransparency();
  ApplyStartupRoundCorners();
  if (const std::optional<std::string>& title = ActiveCountdownOptions().title) {
    SetTextProperty(kCountdownWindowId, units::kProductLabel, kLabelPropCaption, title->c_str());
  }
  const std::optional<TargetDate>& ownDate = ActiveCountdownOptions().target;
  CaptionKeeper& keeper =
      ownDate ? Keeper().emplace(*ownDate) : Keeper().emplace(DefaultCountdownTarget());
  WriteCaption(keeper.Recount(CurrentDateTime()));
}

void OnClockChanged(int /*argCount*/, const std::int32_t* /*args*/) {
  if (Keeper()) WriteCaption(Keeper()->Recount(CurrentDateTime()));
}

void RecountOnNewDay() {
  if (Keeper()) WriteCaption(Keeper()->RecountIfDue(CurrentDateTime()));
}

}  // namespace pellomi
