// The countdown window's created handler: placement, tray icon, transparency, corners, caption.
#include "countdown_caption.h"
#include "countdown_template.h"
#include "form/memory_service.h"
#include "properties/properties.h"
#include "tray_setup_win.h"
#include "widget_handlers.h"
#include "window_created_handler.h"

namespace pellomi {

void OnWindowCreated(int /*argCount*/, const std::int32_t* /*args*/) {
  PlaceWindowAtTopCentreInitially();
  InstallCountdownTrayIcon();
  ApplyStartupTransparency();
  ApplyStartupRoundCorners();
  WriteCountdownCaption(CurrentDateTime());
}

void WriteCountdownCaption(DateTime now) {
  char* caption = BuildCountdownCaption(now);
  SetTextProperty(kCountdownWindowId, units::kCountdownLabel, kLabelPropCaption, caption);
  ReleaseBlock(caption);
}

}  // namespace pellomi
