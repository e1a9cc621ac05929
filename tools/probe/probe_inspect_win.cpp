#include <cstdint>

#include "handles_win.h"
#include "probe_commands_win.h"
#include "probe_json_win.h"

namespace pellomi::probe {
namespace {

JsonBuilder Summary(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  JsonBuilder json = FoundWindowReport(window);
  json.Add("class", WindowClass(window))
      .Add("pid", std::int64_t{pid})
      .Add("style", std::int64_t{static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE))})
      .Add("exstyle", std::int64_t{static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE))});
  return json;
}

std::string LayeredReport(HWND window) {
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  const bool ok = GetLayeredWindowAttributes(window, &key, &alpha, &flags) != FALSE;
  return JsonBuilder::Object()
      .Add("ok", ok)
      .Add("key", std::int64_t{key})
      .Add("alpha", std::int64_t{alpha})
      .Add("flags", std::int64_t{flags})
      .Str();
}

// The region is in window coordinates; probes the four corner pixels and the center, and with
// `inset` >= 0 the four points that many pixels diagonally in from the corners.
std::string RegionReport(HWND window, long inset) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const long width = rect.right - rect.left;
  const long height = rect.bottom - rect.top;
  platform::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  const int type = GetWindowRgn(window, region.Get());
  JsonBuilder json = JsonBuilder::Object();
  json.Add("type", type);
  if (type == SIMPLEREGION || type == COMPLEXREGION) {
    RECT box{};
    GetRgnBox(region.Get(), &box);
    const POINT corners[] = {{0, 0}, {width - 1, 0}, {0, height - 1}, {width - 1, height - 1}};
    JsonBuilder inside = JsonBuilder::Array();
    for (const POINT& corner : corners)
      inside.Push(PtInRegion(region.Get(), corner.x, corner.y) != 0);
    json.AddRaw("box", JsonRect(box))
        .AddRaw("corners", inside.Str())
        .Add("center", PtInRegion(region.Get(), width / 2, height / 2) != 0);
    if (inset >= 0) {
      JsonBuilder in = JsonBuilder::Array();
      for (const POINT& corner : corners) {
        const long x = corner.x == 0 ? inset : corner.x - inset;
        const long y = corner.y == 0 ? inset : corner.y - inset;
        in.Push(PtInRegion(region.Get(), x, y) != 0);
      }
      json.AddRaw("inset_corners", in.Str());
    }
  }
  return json.Str();
}

}  // namespace

int RunFind(const ProbeArgs& args) {
  const bool want_gone = args.Has(L"gone");
  const DWORD timeout = static_cast<DWORD>(args.GetInt(L"timeout", 0));
  const DWORD start = GetTickCount();
  for (;;) {
    HWND window = WaitForWindow(args, 0);
    if (!want_gone && window != nullptr) {
      PrintLine(Summary(window).Str());
      return 0;
    }
    if (want_gone && window == nullptr) {
      PrintLine(JsonBuilder::Object().Add("found", false).Add("gone", true).Str());
      return 0;
    }
    if (GetTickCount() - start >= timeout) break;
    Sleep(50);
  }
  if (want_gone) {
    PrintLine(JsonBuilder::Object().Add("found", true).Add("gone", false).Str());
    return 1;
  }
  return ReportMissing(args);
}

int RunWindow(const ProbeArgs& args) {
  HWND window = WaitForWindow(args, 0);
  if (window == nullptr) return ReportMissing(args);
  RECT client{};
  GetClientRect(window, &client);
  HWND owner = GetWindow(window, GW_OWNER);
  HMENU menu = GetMenu(window);
  const DWORD exstyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
  JsonBuilder json = Summary(window);
  json.AddRaw("client", JsonRect(client))
      .Add("iconic", IsIconic(window) != FALSE)
      .AddRaw("owner", JsonHandle(owner))
      .Add("owner_visible", owner != nullptr && IsWindowVisible(owner) != FALSE)
      .AddRaw("parent", JsonHandle(GetAncestor(window, GA_PARENT)))
      .Add("menu", HandleValue(menu))
      .Add("menu_items", menu != nullptr ? GetMenuItemCount(menu) : 0)
      .Add("topmost", (exstyle & WS_EX_TOPMOST) != 0)
      .AddRaw("layered", LayeredReport(window))
      .AddRaw("region", RegionReport(window, args.GetInt(L"inset", -1)));
  PrintLine(json.Str());
  return 0;
}

int RunChildren(const ProbeArgs& args) {
  HWND window = WaitForWindow(args, 0);
  if (window == nullptr) return ReportMissing(args);
  JsonBuilder children = JsonBuilder::Array();
  // GW_CHILD gives the top of the children's z-order; GW_HWNDNEXT walks downwards.
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    children.PushRaw(
        JsonBuilder::Object()
            .AddRaw("hwnd", JsonHandle(child))
            .Add("class", WindowClass(child))
            .Add("id", GetDlgCtrlID(child))
            .Add("text", WindowText(child))
            .AddRaw("rect", JsonRect(rect))
            .Add("visible", IsWindowVisible(child) != FALSE)
            .Add("style", std::int64_t{static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE))})
            .Add("exstyle", std::int64_t{static_cast<DWORD>(GetWindowLongW(child, GWL_EXSTYLE))})
            .Str());
  }
  PrintLine(JsonBuilder::Object()
                .Add("found", true)
                .AddRaw("hwnd", JsonHandle(window))
                .AddRaw("children", children.Str())
                .Str());
  return 0;
}

int RunStack(const ProbeArgs& args) {
  const bool all = args.Has(L"all");
  JsonBuilder windows = JsonBuilder::Array();
  for (HWND window = GetTopWindow(nullptr); window != nullptr;
       window = GetWindow(window, GW_HWNDNEXT)) {
    if (!all && !IsWindowVisible(window)) continue;
    const DWORD exstyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
    windows.PushRaw(Summary(window).Add("topmost", (exstyle & WS_EX_TOPMOST) != 0).Str());
  }
  PrintLine(JsonBuilder::Object().AddRaw("windows", windows.Str()).Str());
  return 0;
}

// What a user's choice of another resolution does: the display mode of the primary screen.
int RunDisplayMode(const ProbeArgs& args) {
  DEVMODEW mode{};
  mode.dmSize = sizeof mode;
  mode.dmPelsWidth = static_cast<DWORD>(args.GetInt(L"width", 0));
  mode.dmPelsHeight = static_cast<DWORD>(args.GetInt(L"height", 0));
  mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
  const LONG result = ChangeDisplaySettingsW(&mode, 0);
  PrintLine(JsonBuilder::Object()
                .Add("result", std::int64_t{result})
                .Add("width", GetSystemMetrics(SM_CXSCREEN))
                .Add("height", GetSystemMetrics(SM_CYSCREEN))
                .Str());
  return result == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}

// Windows' "Disconnect this display" and its return: the change is stored for the device with
// CDS_NORESET, then applied for all at once, so that every program gets WM_DISPLAYCHANGE.
int RunMonitorChange(const ProbeArgs& args) {
  const std::wstring device = args.Get(L"device");
  DEVMODEW mode{};
  mode.dmSize = sizeof mode;
  mode.dmFields = DM_POSITION | DM_PELSWIDTH | DM_PELSHEIGHT;
  RECT rect{};
  if (!args.Has(L"detach")) {
    if (!args.GetRect(L"rect", rect)) {
      PrintLine(JsonBuilder::Object().Add("error", L"--detach or --rect l,t,w,h").Str());
      return 2;
    }
    mode.dmPosition = POINTL{rect.left, rect.top};
    mode.dmPelsWidth = static_cast<DWORD>(rect.right - rect.left);
    mode.dmPelsHeight = static_cast<DWORD>(rect.bottom - rect.top);
  }
  const LONG stored = ChangeDisplaySettingsExW(device.c_str(), &mode, nullptr,
                                               CDS_UPDATEREGISTRY | CDS_NORESET, nullptr);
  const LONG applied = ChangeDisplaySettingsExW(nullptr, nullptr, nullptr, 0, nullptr);
  PrintLine(JsonBuilder::Object()
                .Add("stored", std::int64_t{stored})
                .Add("applied", std::int64_t{applied})
                .Add("monitors", GetSystemMetrics(SM_CMONITORS))
                .Str());
  return stored == DISP_CHANGE_SUCCESSFUL && applied == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info)) {
    reinterpret_cast<JsonBuilder*>(data)->PushRaw(
        JsonBuilder::Object()
            .AddRaw("rect", JsonRect(info.rcMonitor))
            .AddRaw("work", JsonRect(info.rcWork))
            .Add("primary", (info.dwFlags & MONITORINFOF_PRIMARY) != 0)
            .Str());
  }
  return TRUE;
}

int RunScreen(const ProbeArgs&) {
  JsonBuilder monitors = JsonBuilder::Array();
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  PrintLine(JsonBuilder::Object()
                .AddRaw("monitor_list", monitors.Str())
                .Add("width", GetSystemMetrics(SM_CXSCREEN))
                .Add("height", GetSystemMetrics(SM_CYSCREEN))
                .Add("monitors", GetSystemMetrics(SM_CMONITORS))
                .AddRaw("foreground", JsonHandle(GetForegroundWindow()))
                .Str());
  return 0;
}

}  // namespace pellomi::probe
