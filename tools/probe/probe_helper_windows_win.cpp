#include <cstdio>
#include <string>

#include "handles_win.h"
#include "probe_commands_win.h"
#include "probe_json_win.h"

namespace pellomi::probe {
namespace {

constexpr UINT_PTR kLifetimeTimer = 1;
COLORREF g_colour = RGB(0, 0, 255);
std::wstring g_click_log;

void AppendClick(LPARAM lparam) {
  FILE* log = _wfopen(g_click_log.c_str(), L"a");
  if (log == nullptr) return;
  std::fprintf(log, "%d %d\n", static_cast<short>(LOWORD(lparam)),
               static_cast<short>(HIWORD(lparam)));
  std::fclose(log);
}

LRESULT CALLBACK HelperProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      platform::PaintScope paint(window);
      RECT client{};
      GetClientRect(window, &client);
      HBRUSH brush = CreateSolidBrush(g_colour);
      FillRect(paint.Dc(), &client, brush);
      DeleteObject(brush);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
      if (!g_click_log.empty()) AppendClick(lparam);
      return 0;
    case WM_TIMER:
      if (wparam == kLifetimeTimer) PostQuitMessage(0);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

struct HelperLook {
  DWORD style = WS_POPUP;
  int show = SW_SHOWNOACTIVATE;
  bool foreground = false;  // taken to the front as a program the user started would be
};

int RunHelperWindow(const ProbeArgs& args, const wchar_t* default_title, DWORD exstyle,
                    COLORREF default_colour, HelperLook look = {}) {
  RECT rect{};
  if (!args.GetRect(L"rect", rect)) {
    PrintLine(
        JsonBuilder::Object().Add("error", L"--rect left,top,width,height is required").Str());
    return 2;
  }
  g_colour = static_cast<COLORREF>(args.GetInt(L"colour", static_cast<long>(default_colour)));
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = HelperProc;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = L"PellomiProbeHelper";
  RegisterClassW(&window_class);

  const std::wstring title = args.Get(L"title", default_title);
  platform::UniqueWindow window(
      CreateWindowExW(exstyle | WS_EX_TOOLWINDOW, window_class.lpszClassName, title.c_str(),
                      look.style, rect.left, rect.top, rect.right - rect.left,
                      rect.bottom - rect.top, nullptr, nullptr, window_class.hInstance, nullptr));
  if (!window) {
    PrintLine(JsonBuilder::Object().Add("error", L"CreateWindowExW failed").Str());
    return 1;
  }
  ShowWindow(window.Get(), look.show);
  if (look.foreground) SetForegroundWindow(window.Get());
  if (args.Has(L"bottom")) {
    SetWindowPos(window.Get(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  UpdateWindow(window.Get());
  // Never outlive a test that forgot to end it.
  SetTimer(window.Get(), kLifetimeTimer, static_cast<UINT>(args.GetInt(L"lifetime", 120000)),
           nullptr);
  PrintLine(JsonBuilder::Object()
                .Add("ready", true)
                .AddRaw("hwnd", JsonHandle(window.Get()))
                .Add("title", title)
                .Str());

  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace

int RunTopmostWindow(const ProbeArgs& args) {
  return RunHelperWindow(args, L"pellomi-probe-topmost", WS_EX_TOPMOST, RGB(0, 0, 255));
}

int RunClickTarget(const ProbeArgs& args) {
  g_click_log = args.Get(L"log");
  if (g_click_log.empty()) {
    PrintLine(JsonBuilder::Object().Add("error", L"--log FILE is required").Str());
    return 2;
  }
  return RunHelperWindow(args, L"pellomi-probe-target", 0, RGB(0, 160, 0));
}

int RunFrontWindow(const ProbeArgs& args) {
  HelperLook look;
  look.foreground = true;
  if (args.Has(L"caption")) {
    look.style = WS_OVERLAPPEDWINDOW;  // keeps WS_CAPTION while maximised
    look.show = SW_SHOWMAXIMIZED;
  } else {
    look.show = SW_SHOW;
  }
  return RunHelperWindow(args, L"pellomi-probe-front", 0, RGB(40, 40, 40), look);
}

}  // namespace pellomi::probe
