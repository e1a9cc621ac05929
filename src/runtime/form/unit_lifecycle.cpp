#include "form/runtime_state.h"
#include "form/unit_notifications.h"

namespace pellomi {

void NotifyUnitDestroyed(WindowId window, UnitId unit) {
  WindowEntry* entry = Runtime().store.Find(window);
  if (entry == nullptr || !entry->working) return;
  UnitRecord* record = TemplateStore::FindUnit(*entry->working, unit);
  if (record == nullptr) return;
  record->object = nullptr;
  // Units hold no cursor handles (their pointer data is never loaded), so nothing else to free.
  if (unit == 0 || unit == entry->working->units.front().id) {
    // The window's own unit: its working copy goes, a later load starts from the template.
    entry->working.reset();
    entry->object = nullptr;
  }
}

}  // namespace pellomi
