#include "start/load_window_win.h"

#include <windows.h>

#include "form/runtime_error.h"
#include "form/runtime_state.h"
#include "form/runtime_texts.h"
#include "form/unit_events.h"
#include "form/unit_notifications.h"
#include "start/runtime_lifecycle_win.h"
#include "start/unit_kinds_win.h"
#include "units/top_level_window_win.h"
#include "windowed/window_messages.h"

namespace pellomi {
namespace {

constexpr int kFirstChildId = 100;
constexpr int kChildIdStep = 10;

[[noreturn]] void LoadFailed(WindowId window) {
  ReportRuntimeError(texts::kLoadWindowFailed, 0, window, 0);
}

UnitObject* CreateComponent(const UnitRecord& unit, HWND parent, int childId, WindowId window,
                            std::uint32_t dpi) {
  ComponentPlacement placement{0, parent, childId, window, dpi};
  if (unit.flags & kUnitDisabled) placement.style |= WS_DISABLED;
  if (unit.flags & kUnitTabStop) placement.style |= WS_TABSTOP;
  return CreateComponentUnit(unit, placement);
}

bool StillLoaded(WindowId window, HWND hwnd) {
  WindowEntry* entry = Runtime().store.Find(window);
  return entry != nullptr && entry->object != nullptr && IsWindow(hwnd);
}

}  // namespace

void LoadWindow(WindowId window) {
  RuntimeState& runtime = Runtime();
  WindowEntry* entry = runtime.store.Find(window);
  if (entry == nullptr) LoadFailed(window);
  if (entry->object != nullptr && !entry->object->IsClosing()) {
    auto* loaded = static_cast<TopLevelWindow*>(entry->object);
    if (IsIconic(loaded->Hwnd())) {
      ShowWindow(loaded->Hwnd(), SW_RESTORE);
    } else {
      SetActiveWindow(loaded->Hwnd());
    }
    return;
  }

  TopLevelWindow* windowUnit = nullptr;
  {
    LoadSuspension suspended;
    entry->working = std::make_unique<WindowTemplate>(entry->pristine);
    std::vector<UnitRecord>& units = entry->working->units;

    windowUnit = TopLevelWindow::Create(window, units.front(), HiddenOwnerWindow());
    if (windowUnit == nullptr) LoadFailed(window);
    units.front().object = windowUnit;
    entry->object = windowUnit;
    windowUnit->RebuildMenuBar();
    HWND hwnd = windowUnit->Hwnd();

    // Components from the last unit to the second, menu items skipped.
    int childId = kFirstChildId;
    for (std::size_t i = units.size() - 1; i >= 1; --i) {
      UnitRecord& unit = units[i];
      if (unit.IsMenuItem()) continue;
      UnitObject* object = CreateComponent(unit, hwnd, childId, window, windowUnit->Dpi());
      if (object == nullptr) LoadFailed(window);
      unit.object = object;
      childId += kChildIdStep;
    }
    // Z-order follows the template: each component goes to the top in reverse template order,
    // leaving the first component topmost.
    for (std::size_t i = units.size() - 1; i >= 1; --i) {
      if (units[i].object == nullptr) continue;
      HWND child = static_cast<HWND>(units[i].object->NativeWindow());
      SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    for (std::size_t i = 1; i < units.size(); ++i) {
      if (units[i].object == nullptr || units[i].kind == UnitKind::kTimer) continue;
      HWND child = static_cast<HWND>(units[i].object->NativeWindow());
      ShowWindow(child, (units[i].flags & kUnitVisible) ? SW_SHOWNA : SW_HIDE);
    }
  }

  HWND hwnd = windowUnit->Hwnd();
  HWND focus = GetFocus();
  FireEvent(window, 0, kEventCreated, 0, nullptr);
  if (!StillLoaded(window, hwnd)) return;
  FireEvent(window, 0, kEventAfterCreated, 0, nullptr);
  FireEvent(window, 0, kEventAfterCreated2, 0, nullptr);
  if (!StillLoaded(window, hwnd)) return;

  entry = runtime.store.Find(window);
  if (entry->working->units.front().flags & kUnitVisible) windowUnit->Show();
  if (focus != nullptr && IsWindow(focus)) SetFocus(focus);
  windowUnit->HonourWindowStateAtNextShow();
}

}  // namespace pellomi
