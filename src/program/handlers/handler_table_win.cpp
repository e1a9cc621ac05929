// Binds the handler names stored in the template to the program's routines.
#include "handlers/handler_table.h"

#include "handlers/second_start_handlers.h"
#include "handlers/widget_handlers.h"
#include "handlers/window_created_handler.h"
#include "tray_icon/tray_handlers.h"

namespace pellomi {
namespace {

struct NamedHandler {
  std::string_view name;
  HandlerRoutine routine;
};

constexpr NamedHandler kHandlers[] = {
    {"OnWindowCreated", OnWindowCreated},
    {"OnTrayEvent", OnTrayEvent},
    {"OnTimer", OnTimer},
    {"OnClockChanged", OnClockChanged},
    {"OnDisplayChanged", OnDisplayChanged},
    {"OnDpiChanged", OnDpiChanged},
    {"OnSecondStart", OnSecondStart},
    {"OnMinimizeToTray", OnMinimizeToTray},
    {"OnShowMainWindow", OnShowMainWindow},
    {"OnPlaceTopCenter", OnPlaceTopCenter},
    {"OnPlaceBottomCenter", OnPlaceBottomCenter},
    {"OnPlaceTopLeft", OnPlaceTopLeft},
    {"OnPlaceTopRight", OnPlaceTopRight},
    {"OnPlaceBottomLeft", OnPlaceBottomLeft},
    {"OnPlaceBottomRight", OnPlaceBottomRight},
    {"OnAlpha50", OnAlpha50},
    {"OnAlpha100", OnAlpha100},
    {"OnAlpha150", OnAlpha150},
    {"OnAlpha200", OnAlpha200},
    {"OnAlpha250", OnAlpha250},
    {"OnSetTopmost", OnSetTopmost},
    {"OnCancelTopmost", OnCancelTopmost},
    {"OnExit", OnExit},
};

}  // namespace

HandlerRoutine ResolveProgramHandler(std::string_view name) {
  for (const NamedHandler& handler : kHandlers) {
    if (handler.name == name) return handler.routine;
  }
  return nullptr;
}

}  // namespace pellomi
