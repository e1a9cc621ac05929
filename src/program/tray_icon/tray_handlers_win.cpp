#include "message_box/message_box_win.h"
#include "template/countdown_template.h"
#include "tray_icon/exit_confirmation.h"
#include "tray_icon/tray_handlers.h"
#include "window_commands/popup_menu_win.h"
#include "window_commands/window_destroy_win.h"

namespace pellomi {
namespace {

constexpr std::int32_t kResultOk = 0;

TypedValue WindowReference() {
  return TypedValue::UnitRef(kCountdownWindowId, kWindowUnitId,
                             UnitReferenceKindCode(UnitKind::kWindow));
}

}  // namespace

void OnTrayEvent(int /*argCount*/, const std::int32_t* /*args*/) {
  // The exit box is task-modal, but the tray callback still arrives: no menu under it.
  if (IsMessageBoxOpen()) {
    BringMessageBoxToFront();
    return;
  }
  TypedValue args[] = {
      WindowReference(),
      TypedValue::UnitRef(kCountdownWindowId, units::kTrayMenu,
                          UnitReferenceKindCode(UnitKind::kMenuItem)),
  };
  TypedValue result;
  ShowPopupMenuCommand(2, args, &result);
}

void OnExit(int /*argCount*/, const std::int32_t* /*args*/) {
  // Never a second box over the first.
  if (IsMessageBoxOpen()) {
    BringMessageBoxToFront();
    return;
  }
  TypedValue boxArgs[] = {TypedValue::Text(kExitQuestion), TypedValue::Integer(kOkCancelQuestion),
                          TypedValue::Text(kExitCaption)};
  TypedValue answer;
  ShowMessageBoxCommand(3, boxArgs, &answer);
  if (answer.AsInt() != kResultOk) return;
  TypedValue destroyArgs[] = {WindowReference()};
  TypedValue result;
  RequestWindowDestroyCommand(1, destroyArgs, &result);
}

}  // namespace pellomi
