#include "message_box/message_box_win.h"

#include <windows.h>

#include "form/window_lookup.h"
#include "gbk_win.h"
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

}  // namespace

void ShowMessageBoxCommand(int argCount, const TypedValue* args, TypedValue* result) {
  const MessageBoxRequest request = PrepareMessageBox(argCount, args);
  const std::wstring text = platform::WideFromGbk(request.text);
  const std::wstring caption = platform::WideFromGbk(request.caption);
  const int answer = MessageBoxW(OwnerHandle(request.owner), text.c_str(), caption.c_str(),
                                 static_cast<UINT>(request.style));
  if (result != nullptr) *result = TypedValue::Integer(MessageBoxResultCode(answer));
}

}  // namespace pellomi
