#include "menu/menu_win.h"

#include <utility>

#include "gbk_win.h"

namespace pellomi {
namespace {

void AppendPlanned(HMENU menu, const MenuPlanItem& item) {
  switch (item.type) {
    case MenuPlanItem::Type::kSeparator:
      AppendMenuW(menu, MF_SEPARATOR, item.commandId, nullptr);
      break;
    case MenuPlanItem::Type::kString: {
      UINT flags = MF_STRING;
      if (item.checked) flags |= MF_CHECKED;
      if (item.grayed) flags |= MF_GRAYED;
      AppendMenuW(menu, flags, item.commandId, platform::WideFromGbk(item.caption).c_str());
      break;
    }
    case MenuPlanItem::Type::kPopup: {
      platform::UniqueMenu sub = BuildPopupMenu(item.children);
      UINT flags = MF_POPUP | (item.grayed ? MF_GRAYED : 0);
      if (AppendMenuW(menu, flags, reinterpret_cast<UINT_PTR>(sub.Get()),
                      platform::WideFromGbk(item.caption).c_str())) {
        sub.Release();  // the parent menu owns it now
      }
      break;
    }
  }
}

}  // namespace

platform::UniqueMenu BuildPopupMenu(const std::vector<MenuPlanItem>& items) {
  platform::UniqueMenu menu(CreatePopupMenu());
  if (!menu) return menu;
  for (const MenuPlanItem& item : items) AppendPlanned(menu.Get(), item);
  return menu;
}

platform::UniqueMenu BuildMenuBar(const WindowTemplate& table) {
  platform::UniqueMenu bar(CreateMenu());
  if (!bar) return bar;
  for (const MenuPlanItem& item : PlanMenuBar(table)) AppendPlanned(bar.Get(), item);
  return bar;
}

void AttachedMenuBar::Replace(HWND window, platform::UniqueMenu bar) {
  const bool attach = bar && GetMenuItemCount(bar.Get()) > 0;
  SetMenu(window, attach ? bar.Get() : nullptr);  // the previous bar is off the window now
  bar_ = std::move(bar);
  attachedTo_ = attach ? window : nullptr;
}

void AttachedMenuBar::Reset() {
  if (attachedTo_ != nullptr) {
    if (IsWindow(attachedTo_)) {
      if (GetMenu(attachedTo_) == bar_.Get()) SetMenu(attachedTo_, nullptr);
    } else {
      bar_.Release();  // destroyed with its window
    }
    attachedTo_ = nullptr;
  }
  bar_.Reset();
}

}  // namespace pellomi
