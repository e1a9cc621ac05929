#include "start/unit_kinds_win.h"

#include "label/transparent_label_win.h"
#include "units/timer_unit_win.h"

namespace pellomi {
namespace {

using ComponentFactory = UnitObject* (*)(const UnitRecord& unit, const ComponentPlacement& at);

UnitObject* CreateTimer(const UnitRecord& unit, const ComponentPlacement& at) {
  const UnitGeometry g = TemplateGeometryAt(unit, at.dpi);
  return TimerUnit::Create(unit.kindData, at.style, at.parent, at.childId, g.left, g.top, g.width,
                           g.height, at.window, unit.id);
}

UnitObject* CreateTransparentLabel(const UnitRecord& unit, const ComponentPlacement& at) {
  const UnitGeometry g = TemplateGeometryAt(unit, at.dpi);
  return CreateLabel(unit.kindData.data(), unit.kindData.size(), at.style, at.parent, at.childId,
                     g.left, g.top, g.width, g.height, at.window, unit.id, at.dpi);
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
