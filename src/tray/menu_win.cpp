#include "tray/menu_win.h"

#include "platform/gbk_win.h"
#include "runtime/runtime_state.h"
#include "runtime/window_unit_win.h"

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

WindowUnit* LoadedWindow(WindowId window) {
  WindowEntry* entry = Runtime().store.Find(window);
  return entry == nullptr ? nullptr : static_cast<WindowUnit*>(entry->object);
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

void ShowPopupMenu(WindowId window, WindowId menuWindow, UnitId menuUnit) {
  if (menuWindow != window) return;
  WindowEntry* entry = Runtime().store.Find(window);
  WindowUnit* loaded = LoadedWindow(window);
  if (entry == nullptr || loaded == nullptr) return;
  const WindowTemplate& table = TemplateStore::Units(*entry);
  std::optional<int> start = PopupStartIndex(table, menuUnit);
  if (!start) return;
  platform::UniqueMenu menu = BuildPopupMenu(PlanPopupMenu(table, *start));
  if (!menu) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  HWND hwnd = loaded->Hwnd();
  SetForegroundWindow(hwnd);
  // Without TPM_RETURNCMD: the choice arrives later as a posted WM_COMMAND.
  TrackPopupMenu(menu.Get(), TPM_RIGHTALIGN, cursor.x - 5, cursor.y - 5, 0, hwnd, nullptr);
  PostMessageW(hwnd, WM_NULL, 0, 0);
}

void ShowPopupMenuCommand(int argCount, const TypedValue* args, TypedValue* result) {
  if (result != nullptr) *result = TypedValue::Absent();
  if (argCount < 2) return;
  ShowPopupMenu(args[0].Low(), args[1].Low(), args[1].High());
}

void RequestWindowDestroy(WindowId window, bool atOnce) {
  if (WindowUnit* loaded = LoadedWindow(window)) loaded->RequestDestroy(atOnce);
}

void RequestWindowDestroyCommand(int argCount, const TypedValue* args, TypedValue* result) {
  if (result != nullptr) *result = TypedValue::Absent();
  if (argCount < 1) return;
  RequestWindowDestroy(args[0].Low(), argCount >= 2 && args[1].Low() != 0);
}

}  // namespace pellomi
