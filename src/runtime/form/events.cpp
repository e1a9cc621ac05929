#include "form/runtime_error.h"
#include "form/runtime_state.h"
#include "form/runtime_texts.h"
#include "form/unit_notifications.h"

namespace pellomi {
namespace {

// The transparent label has no events; every other unit kind raises them.
bool KindRaisesEvents(UnitKind kind) {
  return kind != UnitKind::kTransparentLabel;
}

HandlerRoutine HandlerFor(const UnitRecord& unit, int event) {
  if (unit.IsMenuItem()) return unit.menu.handler;  // whatever the event number
  for (const EventBinding& binding : unit.bindings) {
    if (binding.event == event) return binding.handler;
  }
  return nullptr;
}

}  // namespace

bool FireEvent(WindowId window, UnitId unit, int event, int argCount, const std::int32_t* args) {
  RuntimeState& runtime = Runtime();
  if (runtime.EventsSuspended()) return false;
  WindowEntry* entry = runtime.store.Find(window);
  if (entry == nullptr) ReportRuntimeError(texts::kEventWindowMissing, 0, window, 0);
  const UnitRecord* record = TemplateStore::FindUnit(TemplateStore::Units(*entry), unit);
  if (record == nullptr) ReportRuntimeError(texts::kEventUnitMissing, 0, window, unit);
  if (!KindRaisesEvents(record->kind))
    ReportRuntimeError(texts::kEventUnitInvalid, 0, window, unit);
  // Copy the handler out: it may change the table (and so move the record) while it runs.
  HandlerRoutine handler = HandlerFor(*record, event);
  if (handler == nullptr) return false;
  handler(argCount, args);
  return true;
}

}  // namespace pellomi
