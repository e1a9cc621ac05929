#include "units/top_level_window_win.h"

#include "form/display_scale.h"
#include "form/unit_events.h"
#include "form/unit_notifications.h"
#include "gbk_win.h"
#include "menu/menu_plan.h"
#include "menu/menu_win.h"
#include "properties/properties.h"
#include "tray/tray_event_code.h"
#include "tray/tray_record.h"
#include "values/received_data.h"
#include "windowed/event_loop_win.h"
#include "windowed/window_dpi_win.h"
#include "windowed/window_messages.h"

namespace pellomi {
namespace {

// Redraw on resize and double-click notification; no background brush: WM_PAINT fills it.
WindowedUnitClass g_windowClass(L"PellomiForm", CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS);

COLORREF BackgroundColour(std::uint32_t stored) {
  return stored == kSystemButtonFaceColour ? GetSysColor(COLOR_BTNFACE) : stored & 0x00FFFFFFu;
}

}  // namespace

TopLevelWindow* TopLevelWindow::Create(WindowId id, const UnitRecord& unit, HWND hiddenOwner) {
  std::optional<WindowRecord> record = ReadWindowRecord(unit.kindData);
  if (!record) return nullptr;

  // The window's DPI is known once it exists: it is made at template size, then sized again.
  auto creationAt = [&unit](const WindowRecord& from, std::uint32_t dpi) {
    const UnitGeometry g = TemplateGeometryAt(unit, dpi);
    return ComputeWindowCreation(from, unit.flags, g.left, g.top, g.width, g.height,
                                 GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  };
  WindowCreation c = creationAt(*record, kTemplateDpi);
  const std::wstring title = platform::WideFromGbk(record->title);
  const std::wstring className = platform::WideFromGbk(record->className);
  WindowedUnitParams params;
  params.exStyle = c.exStyle;
  params.title = title.c_str();
  params.style = c.style;
  params.left = c.left;
  params.top = c.top;
  params.width = c.width;
  params.height = c.height;
  params.parent = c.ownedByHiddenOwner ? hiddenOwner : nullptr;
  params.className = className.empty() ? nullptr : className.c_str();
  TopLevelWindow* window =
      Open(std::unique_ptr<TopLevelWindow>(new TopLevelWindow(id, std::move(*record))),
           g_windowClass, params);
  if (window == nullptr) return nullptr;
  HWND hwnd = window->Hwnd();
  // CreateWindow adds caption bits of its own for overlapped windows; bring them in line.
  LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  LONG wanted = static_cast<LONG>((static_cast<std::uint32_t>(style) & ~kFrameBitMask) |
                                  FrameBits(window->record_));
  if (wanted != style) {
    SetWindowLongW(hwnd, GWL_STYLE, wanted);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  window->dpi_ = LayoutDpi(DpiOfWindow(hwnd), LayoutPercent());
  if (window->dpi_ != kTemplateDpi) c = creationAt(window->record_, window->dpi_);
  RECT r{};
  GetWindowRect(hwnd, &r);
  if (r.right - r.left != c.width || r.bottom - r.top != c.height) {
    MoveWindow(hwnd, c.left, c.top, c.width, c.height, TRUE);
  }
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  if (window->record_.alwaysOnTop) {
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  if (!window->record_.movable) {
    if (HMENU system = GetSystemMenu(hwnd, FALSE)) DeleteMenu(system, SC_MOVE, MF_BYCOMMAND);
  }
  return window;
}

void TopLevelWindow::SetVisible(bool visible) {
  if (!visible) {
    ShowWindow(hwnd_, SW_HIDE);
  } else if (firstShowPending_) {
    Show();
  } else {
    ShowWindow(hwnd_, SW_SHOW);
  }
}

void TopLevelWindow::Show() {
  firstShowPending_ = false;
  int command = SW_SHOW;
  if (record_.windowState == kStateMaximized) command = SW_SHOWMAXIMIZED;
  if (record_.windowState == kStateMinimized) command = SW_SHOWMINIMIZED;
  ShowWindow(hwnd_, command);
}

void TopLevelWindow::KindPropertyChanged(int index, const PropertyValue& value) {
  switch (index) {
    case kWindowPropTitle:
      record_.title = value.text;
      SetWindowTextW(hwnd_, platform::WideFromGbk(record_.title).c_str());
      break;
    case kWindowPropBackgroundColour:
      record_.backgroundColour = static_cast<std::uint32_t>(value.integer);
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    case kWindowPropState:
      record_.windowState = value.integer < 0 ? 0 : (value.integer > 3 ? 3 : value.integer);
      if (IsWindowVisible(hwnd_)) ApplyWindowState();
      break;
    case kWindowPropAlwaysOnTop:
      record_.alwaysOnTop = value.integer != 0;
      ApplyAlwaysOnTop();
      break;
    default:
      break;  // the other record fields take effect only when the window is created
  }
}

bool TopLevelWindow::GetKindProperty(int index, PropertyValue& out) const {
  switch (index) {
    case kWindowPropTitle:
      out.text = record_.title;
      return true;
    case kWindowPropBorderStyle:
      out.integer = record_.borderStyle;
      return true;
    case kWindowPropBackgroundColour:
      out.integer = static_cast<std::int32_t>(record_.backgroundColour);
      return true;
    case kWindowPropState:
      out.integer = record_.windowState;
      return true;
    case kWindowPropAlwaysOnTop:
      out.integer = record_.alwaysOnTop ? 1 : 0;
      return true;
    case kWindowPropShownInTaskbar:
      out.integer = record_.shownInTaskbar ? 1 : 0;
      return true;
    default:
      return false;
  }
}

void TopLevelWindow::ApplyWindowState() {
  switch (record_.windowState) {
    case kStateNormal:
      ShowWindow(hwnd_, SW_SHOWNORMAL);
      break;
    case kStateCentered: {
      if (IsIconic(hwnd_) || IsZoomed(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
      RECT r{};
      GetWindowRect(hwnd_, &r);
      int x = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
      int y = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
      if (x != r.left || y != r.top) {
        SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      break;
    }
    case kStateMinimized:
      ShowWindow(hwnd_, SW_MINIMIZE);
      break;
    case kStateMaximized:
      ShowWindow(hwnd_, SW_MAXIMIZE);
      break;
    default:
      break;
  }
}

void TopLevelWindow::ApplyAlwaysOnTop() {
  // Neither moved, sized, activated nor shown; owned windows follow their owner by themselves.
  SetWindowPos(hwnd_, record_.alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void TopLevelWindow::ChangeDpi(std::uint32_t dpi, const RECT& suggested) {
  WindowEntry* entry = Runtime().store.Find(id_);
  if (entry == nullptr || !entry->working || dpi == 0) return;
  dpi_ = dpi;
  // Sizes come from the template by the one rule, so that a return to the old scale gives back
  // exactly the old sizes; the suggested rectangle gives only the place.
  const std::vector<UnitRecord>& layout = entry->pristine.units;
  const UnitGeometry own = TemplateGeometryAt(layout.front(), dpi);
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, own.width, own.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  const std::vector<UnitRecord>& live = entry->working->units;
  for (std::size_t i = 1; i < live.size() && i < layout.size(); ++i) {
    if (live[i].object != nullptr) live[i].object->Rescale(dpi, TemplateGeometryAt(layout[i], dpi));
  }
  // The icon keeps the system's size: the display's DPI, whatever size the window was asked.
  tray_.FitToDpi(hwnd_, DpiOfWindow(hwnd_));
  FireEvent(id_, 0, kEventDpiChanged, 0, nullptr);
}

void TopLevelWindow::RebuildMenuBar() {
  WindowEntry* entry = Runtime().store.Find(id_);
  if (entry == nullptr || hwnd_ == nullptr) return;
  menuBar_.Replace(hwnd_, BuildMenuBar(TemplateStore::Units(*entry)));
}

void TopLevelWindow::RequestDestroy(bool atOnce) {
  closePending_ = true;
  if (atOnce) {
    CarryOutDestroy();
  } else {
    PostMessageW(hwnd_, kDeferredDestroyMessage, 0, 0);
  }
}

void TopLevelWindow::CarryOutDestroy() {
  if (!closePending_) return;
  closePending_ = false;
  DestroyNow();
}

void TopLevelWindow::DestroyNow() {
  // The icon goes first: removed from inside WM_DESTROY, the shell's reply can lag by seconds.
  tray_.Remove(hwnd_);
  DestroyWindow(hwnd_);  // this object is freed by the time DestroyWindow returns
}

void TopLevelWindow::Paint() {
  platform::PaintScope paint(hwnd_);
  RECT client{};
  GetClientRect(hwnd_, &client);
  SetBkColor(paint.Dc(), BackgroundColour(record_.backgroundColour));
  ExtTextOutW(paint.Dc(), 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
}

void TopLevelWindow::OnCommand(WPARAM wParam) {
  std::uint32_t commandId = LOWORD(wParam);
  WindowEntry* entry = Runtime().store.Find(id_);
  if (entry == nullptr) return;
  const WindowTemplate& table = TemplateStore::Units(*entry);
  std::optional<int> index = MenuUnitForCommand(table, commandId);
  if (!index) return;
  FireEvent(id_, table.units[static_cast<std::size_t>(*index)].id, 0, 0, nullptr);
}

void TopLevelWindow::OnClose() {
  // The close events are announced, not asked: no handler can veto the close. A handler may
  // destroy the window, and this object with it, so after each event only locals are read.
  const WindowId id = id_;
  const HWND hwnd = hwnd_;
  for (int event : {kEventCloseRequest, kEventCloseQuery}) {
    FireEvent(id, 0, event, 0, nullptr);
    if (!IsWindow(hwnd)) return;
  }
  DestroyNow();
}

LRESULT TopLevelWindow::ReceiveData(const COPYDATASTRUCT& data) {
  // The system has copied the block into this process for the length of this message.
  const std::span<const std::byte> bytes(static_cast<const std::byte*>(data.lpData),
                                         data.lpData != nullptr ? data.cbData : 0);
  ReceivedDataScope scope(bytes);
  FireEvent(id_, 0, kEventDataReceived, 0, nullptr);
  return scope.Accepted() ? TRUE : FALSE;
}

void TopLevelWindow::OnDestroy() {
  FireEvent(id_, 0, kEventDestroyed, 0, nullptr);
  menuBar_.Reset();  // off the window while its handle is valid, then destroyed
  tray_.Remove(hwnd_);
}

LRESULT TopLevelWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole client area
    case WM_PAINT:
      Paint();
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) >= kSystemCommandFloor) return 0;
      if (LOWORD(wParam) >= kMenuCommandBase) {
        OnCommand(wParam);
        return 0;
      }
      break;
    case WM_ENTERMENULOOP:
      menuLoopOpen_ = true;
      break;
    case WM_EXITMENULOOP:
      menuLoopOpen_ = false;
      break;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_TIMECHANGE:
      FireEvent(id_, 0, kEventTimeChanged, 0, nullptr);
      return 0;
    case WM_DISPLAYCHANGE:
      FireEvent(id_, 0, kEventDisplayChanged, 0, nullptr);
      return 0;
    case WM_SETTINGCHANGE:
      // The work area moved (a taskbar shown, moved or resized): placed again like a new mode.
      if (wParam == SPI_SETWORKAREA) FireEvent(id_, 0, kEventDisplayChanged, 0, nullptr);
      break;
    case WM_DPICHANGED:
      ChangeDpi(LayoutDpi(HIWORD(wParam), LayoutPercent()), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_COPYDATA:
      return ReceiveData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_POWERBROADCAST:
      if (wParam == PBT_APMRESUMEAUTOMATIC) FireEvent(id_, 0, kEventResumed, 0, nullptr);
      break;  // the default answer grants every request
    default:
      break;
  }
  if (message == kTrayCallbackMessage) {
    if (std::optional<int> code = TrayEventCodeFor(static_cast<std::uint64_t>(lParam))) {
      std::int32_t argument = *code;
      FireEvent(id_, 0, kEventTray, 1, &argument);
    }
    return 0;
  }
  if (message == kDeferredDestroyMessage) {
    CarryOutDestroy();
    return 0;
  }
  if (message == TrayIcon::TaskbarCreatedMessage() && message != 0) {
    tray_.Restore(hwnd_);
    return 0;
  }
  return WindowedUnit::Handle(message, wParam, lParam);
}

void TopLevelWindow::WindowGone() {
  NotifyUnitDestroyed(id_, 0);
  WindowDestroyed();
}

}  // namespace pellomi
