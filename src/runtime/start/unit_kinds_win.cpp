#include "start/unit_kinds_win.h"

#include "label/transparent_label_win.h"
#include "units/timer_unit_win.h"

namespace pellomi {
namespace {

using ComponentFactory = UnitObject* (*)(const UnitRecord& unit, const ComponentPlacement& at);

UnitObject* CreateTimer(const UnitRecord& unit, const ComponentPlacement& at) {
  return TimerUnit::Create(unit.kindData, at.style, at.parent, at.childId, unit.left, unit.top,
                           unit.width, unit.height, at.window, unit.id);
}

UnitObject* CreateTransparentLabel(const UnitRecord& unit, const ComponentPlacement& at) {
  return CreateLabel(unit.kindData.data(), unit.kindData.size(), at.style, at.parent, at.childId,
                     unit.left, unit.top, unit.width, unit.height, at.window, unit.id);
}

struct ComponentKind {
  UnitKind kind;
  ComponentFactory create;
};

constexpr ComponentKind kComponentKinds[] = {
    {UnitKind::kTimer, CreateTimer},
    {UnitKind::kTransparentLabel, CreateTransparentLabel},
};

}  // namespace

UnitObject* CreateComponentUnit(const UnitRecord& unit, const ComponentPlacement& placement) {
  for (const ComponentKind& entry : kComponentKinds) {
    if (entry.kind == unit.kind) return entry.create(unit, placement);
  }
  return nullptr;
}

}  // namespace pellomi
