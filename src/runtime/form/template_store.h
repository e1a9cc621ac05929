#pragma once
// Every window template of the program, keyed by WindowId, with the working copy of a loaded
// window's unit table.
#include <map>
#include <memory>

#include "form/identifiers.h"
#include "form/unit_model.h"

namespace pellomi {

class WindowObject;

struct WindowEntry {
  WindowTemplate pristine;
  std::unique_ptr<WindowTemplate> working;  // present while the window is loaded
  WindowObject* object = nullptr;           // the window object while it exists
};

class TemplateStore {
 public:
  void Add(WindowTemplate window);
  void Clear() { windows_.clear(); }
  bool Empty() const { return windows_.empty(); }

  WindowEntry* Find(WindowId window);
  const WindowEntry* Find(WindowId window) const;

  // The unit table live code reads and writes: the working copy while loaded, else the template.
  static WindowTemplate& Units(WindowEntry& entry) {
    return entry.working ? *entry.working : entry.pristine;
  }
  static const WindowTemplate& Units(const WindowEntry& entry) {
    return entry.working ? *entry.working : entry.pristine;
  }

  // A unit by UnitId (0 = the window's own unit); null when the table has none.
  static UnitRecord* FindUnit(WindowTemplate& table, UnitId unit);
  static const UnitRecord* FindUnit(const WindowTemplate& table, UnitId unit);
  static int IndexOf(const WindowTemplate& table, UnitId unit);

  bool AnyWindowLoaded() const;

 private:
  std::map<WindowId, WindowEntry> windows_;
};

}  // namespace pellomi
