#pragma once
// The window kind: the top-level window object behind a loaded window's own unit.
#include <windows.h>

#include "form/display_scale.h"
#include "form/runtime_state.h"
#include "handles_win.h"
#include "menu/menu_win.h"
#include "tray/tray_icon_win.h"
#include "units/window_record.h"
#include "windowed/windowed_unit_win.h"

namespace pellomi {

class TopLevelWindow final : public WindowedUnit, public WindowObject {
 public:
  // Creates the window hidden from its record; null on failure (a record of a later version, or
  // a window that cannot be made).
  static TopLevelWindow* Create(WindowId id, const UnitRecord& unit, HWND hiddenOwner);

  WindowId Id() const { return id_; }
  TrayIcon& Tray() { return tray_; }
  HMENU MenuBar() const { return menuBar_.Get(); }
  // The DPI the window and its components are laid out for (96: the template's own units).
  std::uint32_t Dpi() const { return dpi_; }
  // Between WM_ENTERMENULOOP and WM_EXITMENULOOP: one of the window's menus is being tracked.
  bool MenuLoopOpen() const { return menuLoopOpen_; }

  // UnitObject
  void SetVisible(bool visible) override;
  void KindPropertyChanged(int index, const PropertyValue& value) override;
  bool GetKindProperty(int index, PropertyValue& out) const override;

  // WindowObject
  void RebuildMenuBar() override;
  bool IsClosing() const override { return closePending_; }

  // The runtime's show: the first show after loading honours the window state.
  void Show();
  void HonourWindowStateAtNextShow() { firstShowPending_ = true; }

  // Lays the window out for `dpi` from the template's sizes at the place `suggested` gives, then
  // raises the display-scale event (WM_DPICHANGED, and a change of the asked size).
  void ChangeDpi(std::uint32_t dpi, const RECT& suggested);

  // Destruction through the deferred message (or at once).
  void RequestDestroy(bool atOnce);

 private:
  TopLevelWindow(WindowId id, WindowRecord record) : id_(id), record_(std::move(record)) {}
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;
  void WindowGone() override;
  void Paint();
  void OnCommand(WPARAM wParam);
  void OnClose();
  void OnDestroy();
  LRESULT ReceiveData(const COPYDATASTRUCT& data);
  void CarryOutDestroy();
  void DestroyNow();
  void ApplyWindowState();
  void ApplyAlwaysOnTop();

  WindowId id_;
  WindowRecord record_;
  AttachedMenuBar menuBar_;
  TrayIcon tray_;
  bool closePending_ = false;
  bool firstShowPending_ = false;
  bool menuLoopOpen_ = false;
  std::uint32_t dpi_ = kTemplateDpi;
};

}  // namespace pellomi
