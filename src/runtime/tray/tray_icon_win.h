#pragma once
// A window's icon in the notification area. The window owns one of these; it owns the icon handle
// it shows and keeps what it needs to put the icon back when the shell's notification area is
// recreated.
#include <windows.h>
// after windows.h
#include <shellapi.h>

#include <cstdint>
#include <string>
#include <vector>

#include "handles_win.h"

namespace pellomi {

class TrayIcon {
 public:
  using NotifyFunction = BOOL(WINAPI*)(DWORD message, PNOTIFYICONDATAW data);

  // `notify` stands in for Shell_NotifyIconW in tests.
  explicit TrayIcon(NotifyFunction notify = Shell_NotifyIconW) : notify_(notify) {}
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon();

  // Adds, modifies or (without an icon) deletes the icon; takes ownership of `icon` and destroys
  // the one shown before. `gbkTooltip` may be null: no tooltip.
  void Update(HWND window, platform::UniqueIcon icon, const char* gbkTooltip);
  // As Update, with the entry of `ico` (an ICO file image) nearest the size the shell draws at:
  // the small-icon size at the window's DPI. The bytes are kept, to fit the icon again when the
  // DPI changes and when the icon is added again. Unusable bytes remove the icon.
  void UpdateFromIco(HWND window, std::vector<std::uint8_t> ico, const char* gbkTooltip);
  // At a DPI change to `dpi`: an icon from ICO bytes is shown at the small-icon size there.
  void FitToDpi(HWND window, std::uint32_t dpi);
  // At window destruction: the icon leaves the notification area and its handle is destroyed.
  void Remove(HWND window) { Update(window, platform::UniqueIcon(), nullptr); }

  // The message the shell broadcasts when its notification area has been (re)created.
  static UINT TaskbarCreatedMessage();
  // Puts the current icon and tooltip back after that message (an icon from ICO bytes fitted to
  // the window's present DPI). True when the shell holds it.
  bool Restore(HWND window);

  // On a periodic tick: while a kept icon is not in the notification area (an add refused while
  // the shell was busy, with no TaskbarCreated to follow), tries to put it back. True when shown.
  bool KeepInNotificationArea(HWND window) { return added_ || Restore(window); }
  // After its menu was closed from the keyboard: the focus goes back to the notification area.
  void ReturnFocus(HWND window);

  HICON Icon() const { return icon_.Get(); }
  // Whether the shell accepted the icon; false after a refused add until Restore succeeds.
  bool InNotificationArea() const { return added_; }

 private:
  bool Send(DWORD message, HWND window, bool withIcon);
  void Show(HWND window, platform::UniqueIcon icon, const char* gbkTooltip);
  // The icon from the kept bytes at the small-icon size of `dpi`; none when that is the size
  // already shown or the bytes give nothing.
  platform::UniqueIcon RefitIcon(std::uint32_t dpi);

  NotifyFunction notify_;
  platform::UniqueIcon icon_;
  std::string tooltip_;            // GBK, already cut to fit the record
  std::vector<std::uint8_t> ico_;  // the icon's ICO file image; empty when given as a handle
  int iconSize_ = 0;               // the size the icon was made for from `ico_`
  HWND window_ = nullptr;
  bool added_ = false;
};

}  // namespace pellomi
