#include "tray_icon/tray_setup_win.h"

#include "form/unit_model.h"
#include "pellomi_version.h"
#include "template/countdown_template.h"
#include "template/embedded_icon.h"
#include "window_commands/tray_icon_command_win.h"

namespace pellomi {
namespace {

// Pellomi V1.2 [正在运行]\r\n\r\n作者：Norvane, the version taken from the build.
constexpr char kTooltip[] =
    "Pellomi V" PELLOMI_VERSION_SHORT
    " [\xD5\xFD\xD4\xDA\xD4\xCB\xD0\xD0]\r\n\r\n\xD7\xF7\xD5\xDF\xA3\xBANorvane";

}  // namespace

void InstallCountdownTrayIcon() {
  // The icon is a byte-array constant: handed over as it lies in the program, not copied.
  TypedValue args[] = {
      TypedValue::UnitRef(kCountdownWindowId, kWindowUnitId,
                          UnitReferenceKindCode(UnitKind::kWindow)),
      TypedValue::Pointer(kHourglassIco_block, ValueKind::kByteArray),
      TypedValue::Text(kTooltip),
  };
  TypedValue result;
  SetTrayIconCommand(3, args, &result);
}

}  // namespace pellomi
