// The countdown window's created handler: placement, tray icon, transparency, corners, caption.
#include "countdown/countdown_caption.h"
#include "countdown/window_created_handler.h"
#include "forms/countdown_template.h"
#include "runtime/memory_service.h"
#include "runtime/properties.h"
#include "tray/tray_setup_win.h"
#include "widget/widget_handlers.h"

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
