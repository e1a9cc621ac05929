#pragma once
// Menus built from a window's run of menu units: what to append, in which order, with which
// command identifiers. The window-system side turns a plan into an HMENU.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "form/unit_model.h"

namespace pellomi {

inline constexpr std::uint32_t kMenuCommandBase = 20000;
inline constexpr std::uint32_t kSystemCommandFloor = 0xE100;

struct MenuRun {
  int first = -1;  // index of the first menu unit in the unit table, -1 when there is none
  int length = 0;
};

struct MenuPlanItem {
  enum class Type { kPopup, kSeparator, kString };
  Type type = Type::kString;
  std::uint32_t commandId = 0;  // items and separators
  std::string caption;          // GBK
  bool checked = false;
  bool grayed = false;
  std::vector<MenuPlanItem> children;  // pop-ups
};

MenuRun FindMenuRun(const WindowTemplate& table);

// The pop-up opened from the menu unit at `startIndex` (its items, not the unit itself).
std::vector<MenuPlanItem> PlanPopupMenu(const WindowTemplate& table, int startIndex);

// The menu bar: one pop-up per visible top-level unit.
std::vector<MenuPlanItem> PlanMenuBar(const WindowTemplate& table);

// Index in the unit table of the unit that a command identifier selects, if any.
std::optional<int> MenuUnitForCommand(const WindowTemplate& table, std::uint32_t commandId);

// Index of the unit a pop-up may start from: it must be a menu unit inside the run, not its last,
// and followed by a unit of a greater level.
std::optional<int> PopupStartIndex(const WindowTemplate& table, UnitId menuUnit);

}  // namespace pellomi
