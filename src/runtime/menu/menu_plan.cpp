#include "menu/menu_plan.h"

#include "form/identifiers.h"

namespace pellomi {
namespace {

// Walks the run with a command-id counter that advances for every unit consumed, shown or not.
class PlanBuilder {
 public:
  PlanBuilder(const WindowTemplate& table, MenuRun run, int start)
      : units_(table.units),
        end_(run.first + run.length),
        next_(start),
        counter_(kMenuCommandBase + static_cast<std::uint32_t>(start - run.first)) {}

  // Consumes the unit at the cursor and plans its items.
  std::vector<MenuPlanItem> BuildFromCurrent() {
    int ownLevel = Level(next_);
    Consume();
    std::vector<MenuPlanItem> items;
    while (next_ < end_) {
      int level = Level(next_);
      if (level <= ownLevel) break;  // belongs to an enclosing menu
      const MenuItemData& unit = units_[next_].menu;
      bool opensSubMenu = next_ + 1 < end_ && Level(next_ + 1) > level;
      if (opensSubMenu) {
        if (unit.flags & kMenuHidden) {
          SkipSubtree();
          continue;
        }
        MenuPlanItem popup;
        popup.type = MenuPlanItem::Type::kPopup;
        popup.caption = unit.caption;
        popup.grayed = (unit.flags & kMenuDisabled) != 0;
        popup.children = BuildFromCurrent();
        items.push_back(std::move(popup));
        continue;
      }
      std::uint32_t id = Consume();
      if (unit.flags & kMenuHidden) continue;
      MenuPlanItem item;
      item.commandId = id;
      if (unit.caption == "-") {
        item.type = MenuPlanItem::Type::kSeparator;
      } else {
        item.caption = unit.caption;
        item.checked = (unit.flags & kMenuChecked) != 0;
        item.grayed = (unit.flags & kMenuDisabled) != 0;
      }
      items.push_back(std::move(item));
    }
    return items;
  }

  void SkipSubtree() {
    int ownLevel = Level(next_);
    Consume();
    while (next_ < end_ && Level(next_) > ownLevel) Consume();
  }

  bool AtEnd() const { return next_ >= end_; }
  bool CurrentHidden() const { return (units_[next_].menu.flags & kMenuHidden) != 0; }
  const std::string& CurrentCaption() const { return units_[next_].menu.caption; }

 private:
  int Level(int index) const { return units_[static_cast<std::size_t>(index)].menu.level; }
  std::uint32_t Consume() {
    ++next_;
    return counter_++;
  }

  const std::vector<UnitRecord>& units_;
  int end_;
  int next_;
  std::uint32_t counter_;
};

}  // namespace

MenuRun FindMenuRun(const WindowTemplate& table) {
  MenuRun run;
  for (std::size_t i = 0; i < table.units.size(); ++i) {
    if (table.units[i].IsMenuItem()) {
      if (run.first < 0) run.first = static_cast<int>(i);
      ++run.length;
    } else if (run.first >= 0) {
      break;
    }
  }
  return run;
}

std::vector<MenuPlanItem> PlanPopupMenu(const WindowTemplate& table, int startIndex) {
  MenuRun run = FindMenuRun(table);
  if (run.first < 0 || startIndex < run.first || startIndex >= run.first + run.length) return {};
  return PlanBuilder(table, run, startIndex).BuildFromCurrent();
}

std::vector<MenuPlanItem> PlanMenuBar(const WindowTemplate& table) {
  std::vector<MenuPlanItem> bar;
  MenuRun run = FindMenuRun(table);
  if (run.first < 0) return bar;
  PlanBuilder builder(table, run, run.first);
  while (!builder.AtEnd()) {
    if (builder.CurrentHidden()) {
      builder.SkipSubtree();
      continue;
    }
    MenuPlanItem popup;
    popup.type = MenuPlanItem::Type::kPopup;
    popup.caption = builder.CurrentCaption();
    popup.children = builder.BuildFromCurrent();
    bar.push_back(std::move(popup));
  }
  return bar;
}

std::optional<int> MenuUnitForCommand(const WindowTemplate& table, std::uint32_t commandId) {
  if (commandId < kMenuCommandBase || commandId >= kSystemCommandFloor) return std::nullopt;
  MenuRun run = FindMenuRun(table);
  std::uint32_t k = commandId - kMenuCommandBase;
  if (run.first < 0 || k >= static_cast<std::uint32_t>(run.length)) return std::nullopt;
  return run.first + static_cast<int>(k);
}

std::optional<int> PopupStartIndex(const WindowTemplate& table, UnitId menuUnit) {
  if (!IsMenuItemId(menuUnit)) return std::nullopt;
  MenuRun run = FindMenuRun(table);
  if (run.first < 0) return std::nullopt;
  for (int i = run.first; i < run.first + run.length - 1; ++i) {
    if (table.units[static_cast<std::size_t>(i)].id != menuUnit) continue;
    if (table.units[static_cast<std::size_t>(i) + 1].menu.level <=
        table.units[static_cast<std::size_t>(i)].menu.level) {
      return std::nullopt;
    }
    return i;
  }
  return std::nullopt;
}

}  // namespace pellomi
