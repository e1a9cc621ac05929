// Menus planned from the template's run of menu units.
#include <gtest/gtest.h>

#include "host/support/runtime_fixture.h"
#include "menu/menu_plan.h"
#include "template/countdown_template.h"

namespace pellomi {
namespace {

using Type = MenuPlanItem::Type;

WindowTemplate Template() {
  return BuildCountdownTemplate(testing::RecordingResolver);
}

TEST(MenuPlan, TrayPopupShowsEverythingButTheRoot) {
  WindowTemplate t = Template();
  std::optional<int> start = PopupStartIndex(t, units::kTrayMenu);
  ASSERT_EQ(start, 2);
  std::vector<MenuPlanItem> items = PlanPopupMenu(t, *start);
  ASSERT_EQ(items.size(), 8u);
  const Type types[] = {Type::kString, Type::kString,    Type::kPopup,  Type::kPopup,
                        Type::kPopup,  Type::kSeparator, Type::kString, Type::kString};
  const std::uint32_t ids[] = {20001, 20002, 0, 0, 0, 20020, 20021, 20022};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(items[i].type, types[i]) << i;
    EXPECT_EQ(items[i].commandId, ids[i]) << i;
  }
  EXPECT_EQ(items[0].caption, "\xD7\xEE\xD0\xA1\xBB\xAF\xB5\xBD\xCD\xD0\xC5\xCC");  // 最小化到托盘
  EXPECT_TRUE(items[1].checked);
  EXPECT_FALSE(items[0].checked);
  EXPECT_EQ(items[5].caption, "");
  EXPECT_EQ(items[7].caption, "\xCD\xCB\xB3\xF6\xB3\xCC\xD0\xF2");  // 退出程序
}

TEST(MenuPlan, SubMenusCarryTheirItemsAndMarks) {
  WindowTemplate t = Template();
  std::vector<MenuPlanItem> items = PlanPopupMenu(t, 2);
  ASSERT_EQ(items[2].children.size(), 6u);
  ASSERT_EQ(items[3].children.size(), 6u);
  ASSERT_EQ(items[4].children.size(), 2u);
  std::vector<std::uint32_t> checked;
  for (int sub = 2; sub <= 4; ++sub) {
    for (const MenuPlanItem& item : items[sub].children) {
      EXPECT_EQ(item.type, Type::kString);
      if (item.checked) checked.push_back(item.commandId);
    }
  }
  EXPECT_EQ(checked, (std::vector<std::uint32_t>{20004, 20014, 20019}));
  EXPECT_EQ(items[2].children.front().commandId, 20004u);
  EXPECT_EQ(items[2].children.back().commandId, 20009u);
  EXPECT_EQ(items[3].children.back().caption, "300%");
  EXPECT_EQ(items[3].children.back().commandId, 20016u);
  EXPECT_EQ(items[4].children.back().commandId, 20019u);
}

TEST(MenuPlan, HiddenUnitsStillConsumeTheirIdentifiers) {
  WindowTemplate t = Template();
  t.units[2 + 3].menu.flags |= kMenuHidden;  // hide the "位置" sub-menu with its six items
  t.units[2 + 1].menu.flags |= kMenuHidden;  // and the first item
  t.units[2 + 11].menu.flags |= kMenuDisabled;
  std::vector<MenuPlanItem> items = PlanPopupMenu(t, 2);
  ASSERT_EQ(items.size(), 6u);
  EXPECT_EQ(items[0].commandId, 20002u);
  EXPECT_EQ(items[1].type, Type::kPopup);
  EXPECT_EQ(items[1].children.front().commandId, 20011u);
  EXPECT_TRUE(items[1].children.front().grayed);
  EXPECT_EQ(items.back().commandId, 20022u);
}

TEST(MenuPlan, MenuBarIsEmptyWhileTheRootIsHidden) {
  WindowTemplate t = Template();
  EXPECT_TRUE(PlanMenuBar(t).empty());
  t.units[2].menu.flags = 0;
  std::vector<MenuPlanItem> bar = PlanMenuBar(t);
  ASSERT_EQ(bar.size(), 1u);
  EXPECT_EQ(bar[0].type, Type::kPopup);
  EXPECT_EQ(bar[0].children.size(), 8u);
  EXPECT_EQ(bar[0].children[0].commandId, 20001u);
}

TEST(MenuPlan, CommandsSelectUnitsOfTheRun) {
  WindowTemplate t = Template();
  EXPECT_EQ(FindMenuRun(t).first, 2);
  EXPECT_EQ(FindMenuRun(t).length, 23);
  EXPECT_EQ(MenuUnitForCommand(t, 20000), 2);
  EXPECT_EQ(MenuUnitForCommand(t, 20022), 24);
  EXPECT_FALSE(MenuUnitForCommand(t, 20023));
  EXPECT_FALSE(MenuUnitForCommand(t, 19999));
  EXPECT_FALSE(MenuUnitForCommand(t, 0xE100));
  EXPECT_FALSE(MenuUnitForCommand(t, 0xFFFF));
}

TEST(MenuPlan, PopupsOpenOnlyFromUnitsWithItems) {
  WindowTemplate t = Template();
  EXPECT_EQ(PopupStartIndex(t, units::kPositionMenu), 5);
  EXPECT_FALSE(PopupStartIndex(t, units::kExit));            // last unit of the run
  EXPECT_FALSE(PopupStartIndex(t, units::kMinimizeToTray));  // an item, no children
  EXPECT_FALSE(PopupStartIndex(t, units::kTimer));           // not a menu unit
  EXPECT_FALSE(PopupStartIndex(t, 0x26FFFFFFu));             // not in the table
  std::vector<MenuPlanItem> position = PlanPopupMenu(t, 5);
  ASSERT_EQ(position.size(), 6u);
  EXPECT_EQ(position[0].commandId, 20004u);
}

}  // namespace
}  // namespace pellomi
