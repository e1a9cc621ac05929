#include "tray/tray_icon_win.h"

#include <algorithm>
#include <utility>

#include "gbk_win.h"
#include "tray/icon_from_ico_win.h"
#include "tray/small_icon_size_win.h"
#include "tray/tray_record.h"
#include "windowed/window_dpi_win.h"

namespace pellomi {
namespace {

NOTIFYICONDATAW ToShellRecord(const TrayRecord& record, HWND window, HICON icon) {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;  // the wide form of the 88-byte record
  data.hWnd = window;
  data.uID = record.iconId;
  data.uFlags = record.flags;
  data.uCallbackMessage = record.callbackMessage;
  data.hIcon = record.carriesIcon ? icon : nullptr;
  // Cut in GBK first, so the wide text is whole characters and always fits.
  const std::wstring tip = platform::WideFromGbk(TrayRecordTip(record));
  const std::size_t room = sizeof data.szTip / sizeof data.szTip[0] - 1;
  std::copy_n(tip.data(), std::min(tip.size(), room), data.szTip);
  return data;
}

}  // namespace

TrayIcon::~TrayIcon() {
  if (added_) Send(NIM_DELETE, window_, false);
}

UINT TrayIcon::TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

bool TrayIcon::Send(DWORD message, HWND window, bool withIcon) {
  const char* tip = tooltip_.empty() ? nullptr : tooltip_.c_str();
  const TrayRecord record = !withIcon               ? MakeTrayDeleteRecord()
                            : message == NIM_MODIFY ? MakeTrayModifyRecord(tip)
                                                    : MakeTrayAddRecord(tip);
  NOTIFYICONDATAW data = ToShellRecord(record, window, icon_.Get());
  return notify_(message, &data) != FALSE;
}

void TrayIcon::Update(HWND window, platform::UniqueIcon icon, const char* gbkTooltip) {
  ico_.clear();
  iconSize_ = 0;
  Show(window, std::move(icon), gbkTooltip);
}

void TrayIcon::UpdateFromIco(HWND window, std::vector<std::uint8_t> ico, const char* gbkTooltip) {
  ico_ = std::move(ico);
  iconSize_ = 0;
  platform::UniqueIcon icon = RefitIcon(DpiOfWindow(window));
  if (!icon) ico_.clear();
  Show(window, std::move(icon), gbkTooltip);
}

void TrayIcon::FitToDpi(HWND window, std::uint32_t dpi) {
  if (!icon_) return;
  platform::UniqueIcon icon = RefitIcon(dpi);
  if (!icon) return;
  const std::string tip = tooltip_;  // Show rewrites the member
  Show(window, std::move(icon), tip.empty() ? nullptr : tip.c_str());
}

platform::UniqueIcon TrayIcon::RefitIcon(std::uint32_t dpi) {
  if (ico_.empty()) return {};
  const int size = SmallIconSizeAtDpi(dpi);
  if (size == iconSize_) return {};
  platform::UniqueIcon icon = IconFromIcoBytes(ico_.data(), ico_.size(), size);
  if (icon) iconSize_ = size;
  return icon;
}

void TrayIcon::Show(HWND window, platform::UniqueIcon icon, const char* gbkTooltip) {
  window_ = window;
  if (!icon) {
    if (icon_) Send(NIM_DELETE, window, false);
    icon_.Reset();
    tooltip_.clear();
    added_ = false;
    return;
  }

  // The old handle stays alive until the shell has the new one.
  platform::UniqueIcon old = std::exchange(icon_, std::move(icon));
  tooltip_ = TrayRecordTip(MakeTrayAddRecord(gbkTooltip));
  if (old && added_) {
    // A refused modify means the shell lost the icon: add it afresh.
    added_ = Send(NIM_MODIFY, window, true) || Send(NIM_ADD, window, true);
  } else {
    added_ = Send(NIM_ADD, window, true);
  }
}

void TrayIcon::ReturnFocus(HWND window) {
  if (!added_) return;
  NOTIFYICONDATAW data = ToShellRecord(MakeTrayDeleteRecord(), window, nullptr);
  notify_(NIM_SETFOCUS, &data);
}

bool TrayIcon::Restore(HWND window) {
  if (!icon_) return false;
  window_ = window;
  // The new notification area may be at another scale; the old handle outlives the sends.
  platform::UniqueIcon old;
  if (platform::UniqueIcon refit = RefitIcon(DpiOfWindow(window))) {
    old = std::exchange(icon_, std::move(refit));
  }
  // The shell may still hold the icon (the message also comes on other occasions): then modify.
  added_ = Send(NIM_ADD, window, true) || Send(NIM_MODIFY, window, true);
  return added_;
}

}  // namespace pellomi
