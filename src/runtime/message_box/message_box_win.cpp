#include "message_box/message_box_win.h"

#include <windows.h>

#include "form/window_lookup.h"
#include "gbk_win.h"
#include "handles_win.h"
#include "message_box/message_box_rules.h"

namespace pellomi {
namespace {

HWND OwnerHandle(const MessageBoxOwner& owner) {
  switch (owner.kind) {
    case MessageBoxOwner::Kind::kWindow:
      return static_cast<HWND>(WindowHandleOf(owner.window));
    case MessageBoxOwner::Kind::kHandle:
      return reinterpret_cast<HWND>(owner.handle);
    case MessageBoxOwner::Kind::kNone:
      break;
  }
  return nullptr;
}

// The box's window, known from the moment it is activated until MessageBoxW returns.
struct OpenBox {
  int depth = 0;
  HWND window = nullptr;
};

OpenBox& Open() {
  static OpenBox box;
  return box;
}

// A thread hook for the box's lifetime only: its first activation names its window.
LRESULT CALLBACK WatchBoxActivation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && Open().window == nullptr) {
    Open().window = reinterpret_cast<HWND>(wParam);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

bool IsMessageBoxOpen() {
  return Open().depth > 0;
}

void BringMessageBoxToFront() {
  HWND box = Open().window;
  if (box == nullptr || !IsWindow(box)) return;
  SetForegroundWindow(box);
  SetWindowPos(box, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void ShowMessageBoxCommand(int argCount, const TypedValue* args, TypedValue* result) {
  const MessageBoxRequest request = PrepareMessageBox(argCount, args);
  const std::wstring text = platform::WideFromGbk(request.text);
  const std::wstring caption = platform::WideFromGbk(request.caption);
  OpenBox& open = Open();
  const HWND outerBox = open.window;
  const platform::UniqueHandle<platform::NullMeansNone<HHOOK, UnhookWindowsHookEx>> hook(
      SetWindowsHookExW(WH_CBT, WatchBoxActivation, nullptr, GetCurrentThreadId()));
  open.window = nullptr;
  ++open.depth;
  const int answer = MessageBoxW(OwnerHandle(request.owner), text.c_str(), caption.c_str(),
                                 static_cast<UINT>(request.style));
  --open.depth;
  open.window = outerBox;
  if (result != nullptr) *result = TypedValue::Integer(MessageBoxResultCode(answer));
}

}  // namespace pellomi
