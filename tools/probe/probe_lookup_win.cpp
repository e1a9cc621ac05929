#include <vector>

#include "probe_commands_win.h"
#include "probe_json_win.h"

namespace pellomi::probe {

HWND WaitForWindow(const ProbeArgs& args, DWORD default_timeout_ms) {
  const std::wstring title = args.Get(L"title");
  const std::wstring class_name = args.Get(L"class");
  const DWORD timeout = static_cast<DWORD>(args.GetInt(L"timeout", default_timeout_ms));
  const DWORD start = GetTickCount();
  for (;;) {
    HWND window = FindWindowW(class_name.empty() ? nullptr : class_name.c_str(),
                              title.empty() ? nullptr : title.c_str());
    if (window != nullptr || GetTickCount() - start >= timeout) return window;
    Sleep(50);
  }
}

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
  const int copied = GetWindowTextW(window, buffer.data(), static_cast<int>(buffer.size()));
  return std::wstring(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

JsonBuilder FoundWindowReport(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  JsonBuilder json = JsonBuilder::Object();
  json.Add("found", true)
      .AddRaw("hwnd", JsonHandle(window))
      .Add("title", WindowText(window))
      .AddRaw("rect", JsonRect(rect))
      .Add("visible", IsWindowVisible(window) != FALSE);
  return json;
}

std::wstring WindowClass(HWND window) {
  wchar_t buffer[256] = {};
  const int copied = GetClassNameW(window, buffer, 256);
  return std::wstring(buffer, static_cast<std::size_t>(copied > 0 ? copied : 0));
}

int ReportMissing(const ProbeArgs& args) {
  PrintLine(JsonBuilder::Object()
                .Add("found", false)
                .Add("title", args.Get(L"title"))
                .Add("class", args.Get(L"class"))
                .Str());
  return 1;
}

}  // namespace pellomi::probe
