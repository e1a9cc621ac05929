#include "probe_commands_win.h"
#include "probe_json_win.h"

namespace pellomi::probe {

// A message box is a #32770 dialog: its text is a Static child, its answers Button children.
int RunMessageBox(const ProbeArgs& args) {
  HWND box = nullptr;
  {
    const std::wstring title = args.Get(L"title");
    const DWORD timeout = static_cast<DWORD>(args.GetInt(L"timeout", 0));
    const DWORD start = GetTickCount();
    for (;;) {
      box = FindWindowW(L"#32770", title.empty() ? nullptr : title.c_str());
      if (box != nullptr || GetTickCount() - start >= timeout) break;
      Sleep(50);
    }
  }
  if (box == nullptr) return ReportMissing(args);

  JsonBuilder texts = JsonBuilder::Array();
  JsonBuilder buttons = JsonBuilder::Array();
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    const std::wstring class_name = WindowClass(child);
    const std::wstring text = WindowText(child);
    if (lstrcmpiW(class_name.c_str(), L"Static") == 0 && !text.empty()) {
      texts.PushRaw(JsonQuote(Utf8FromWide(text)));
    } else if (lstrcmpiW(class_name.c_str(), L"Button") == 0) {
      buttons.PushRaw(JsonBuilder::Object().Add("id", GetDlgCtrlID(child)).Add("text", text).Str());
    }
  }
  JsonBuilder json = FoundWindowReport(box);
  json.AddRaw("texts", texts.Str()).AddRaw("buttons", buttons.Str());

  const std::wstring press = args.Get(L"press");
  if (!press.empty()) {
    const int id = press == L"ok" ? IDOK : press == L"cancel" ? IDCANCEL : 0;
    HWND button = id != 0 ? GetDlgItem(box, id) : nullptr;
    if (button == nullptr) {
      json.Add("pressed", false);
      PrintLine(json.Str());
      return 1;
    }
    // What a click on the button would send to the box.
    const bool posted = PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                                     reinterpret_cast<LPARAM>(button)) != FALSE;
    json.Add("pressed", posted);
  }
  PrintLine(json.Str());
  return 0;
}

}  // namespace pellomi::probe
