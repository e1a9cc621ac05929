#include "form/window_lookup.h"

#include "form/runtime_error.h"
#include "form/runtime_state.h"
#include "form/runtime_texts.h"

namespace pellomi {

UnitObject* FindUnitObject(WindowId window, UnitId unit) {
  WindowEntry* entry = Runtime().store.Find(window);
  UnitRecord* record =
      entry == nullptr ? nullptr : TemplateStore::FindUnit(TemplateStore::Units(*entry), unit);
  if (record == nullptr || record->object == nullptr) {
    ReportRuntimeError(texts::kUnitObjectMissing, 0, window, unit);
  }
  return record->object;
}

void* WindowHandleOf(WindowId window) {
  WindowEntry* entry = Runtime().store.Find(window);
  if (entry == nullptr || !entry->working) return nullptr;
  UnitRecord* record = TemplateStore::FindUnit(*entry->working, 0);
  return record == nullptr || record->object == nullptr ? nullptr : record->object->NativeWindow();
}

}  // namespace pellomi
