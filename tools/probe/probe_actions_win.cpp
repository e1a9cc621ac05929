#include "probe_commands_win.h"
#include "probe_json_win.h"

namespace pellomi::probe {
namespace {

int PostToWindow(const ProbeArgs& args, UINT message, WPARAM wparam) {
  HWND window = WaitForWindow(args, 0);
  if (window == nullptr) return ReportMissing(args);
  const bool posted = PostMessageW(window, message, wparam, 0) != FALSE;
  PrintLine(JsonBuilder::Object()
                .Add("found", true)
                .AddRaw("hwnd", JsonHandle(window))
                .Add("posted", posted)
                .Str());
  return posted ? 0 : 1;
}

}  // namespace

int RunClose(const ProbeArgs& args) {
  return PostToWindow(args, WM_CLOSE, 0);
}

int RunCommand(const ProbeArgs& args) {
  const long id = args.GetInt(L"id", -1);
  if (id < 0 || id > 0xFFFF) {
    PrintLine(JsonBuilder::Object().Add("error", L"--id N (0..65535) is required").Str());
    return 2;
  }
  return PostToWindow(args, WM_COMMAND, MAKEWPARAM(id, 0));
}

// What the shell broadcasts when the notification area is recreated.
int RunBroadcastTaskbarCreated(const ProbeArgs&) {
  const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  DWORD_PTR result = 0;
  const bool sent =
      SendMessageTimeoutW(HWND_BROADCAST, message, 0, 0, SMTO_ABORTIFHUNG, 3000, &result) != 0;
  PrintLine(JsonBuilder::Object().Add("message", std::int64_t{message}).Add("sent", sent).Str());
  return sent ? 0 : 1;
}

}  // namespace pellomi::probe
