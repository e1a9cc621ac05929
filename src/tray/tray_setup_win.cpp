#include "tray/tray_setup_win.h"

#include "forms/countdown_template.h"
#include "pellomi_version.h"
#include "runtime/runtime_state.h"
#include "runtime/unit_model.h"
#include "runtime/window_unit_win.h"
#include "tray/embedded_icon.h"
#include "tray/set_tray_icon_win.h"

namespace pellomi {
namespace {

// Pellomi V1.2 [正在运行]\r\n\r\n作者：Norvane, the version taken from the build.
constexpr char kTooltip[] =
    "Pellomi V" PELLOMI_VERSION_SHORT
    " [\xD5\xFD\xD4\xDA\xD4\xCB\xD0\xD0]\r\n\r\n\xD7\xF7\xD5\xDF\xA3\xBANorvane";

}  // namespace

void SetTrayIconCommand(int argCount, const TypedValue* args, TypedValue* result) {
  if (result != nullptr) *result = TypedValue::Absent();
  if (argCount < 1) return;
  WindowEntry* entry = Runtime().store.Find(args[0].Low());
  // Callers pass a loaded window; anything else is ignored.
  if (entry == nullptr || entry->object == nullptr) return;
  auto* window = static_cast<WindowUnit*>(entry->object);
  TypedValue noSource = TypedValue::Absent();
  SetTrayIcon(window->Tray(), window->Hwnd(), argCount >= 2 ? args[1] : noSource,
              argCount >= 3 ? &args[2] : nullptr);
}

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
