#include "form/template_store.h"

namespace pellomi {

void TemplateStore::Add(WindowTemplate window) {
  WindowId id = window.id;
  WindowEntry entry;
  entry.pristine = std::move(window);
  windows_[id] = std::move(entry);
}

WindowEntry* TemplateStore::Find(WindowId window) {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

const WindowEntry* TemplateStore::Find(WindowId window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

int TemplateStore::IndexOf(const WindowTemplate& table, UnitId unit) {
  if (table.units.empty()) return -1;
  if (unit == 0) return 0;
  for (std::size_t i = 0; i < table.units.size(); ++i) {
    if (table.units[i].id == unit) return static_cast<int>(i);
  }
  return -1;
}

UnitRecord* TemplateStore::FindUnit(WindowTemplate& table, UnitId unit) {
  int index = IndexOf(table, unit);
  return index < 0 ? nullptr : &table.units[static_cast<std::size_t>(index)];
}

const UnitRecord* TemplateStore::FindUnit(const WindowTemplate& table, UnitId unit) {
  int index = IndexOf(table, unit);
  return index < 0 ? nullptr : &table.units[static_cast<std::size_t>(index)];
}

bool TemplateStore::AnyWindowLoaded() const {
  for (const auto& [id, entry] : windows_) {
    if (entry.object != nullptr) return true;
  }
  return false;
}

}  // namespace pellomi
