#include "message_box/message_box_rules.h"

#include "form/unit_model.h"

namespace pellomi {
namespace {

bool IsPresent(int argCount, const TypedValue* args, int index) {
  return args != nullptr && index < argCount && !args[index].Is(ValueKind::kAbsent);
}

bool IsUnitReference(const TypedValue& value) {
  for (UnitKind kind :
       {UnitKind::kWindow, UnitKind::kTimer, UnitKind::kMenuItem, UnitKind::kTransparentLabel}) {
    if (value.kind == UnitReferenceKindCode(kind)) return true;
  }
  return false;
}

std::uint32_t StyleArgument(const TypedValue& value) {
  switch (static_cast<ValueKind>(value.kind)) {
    case ValueKind::kByte:
    case ValueKind::kShort:
    case ValueKind::kInteger:
    case ValueKind::kLong:
      return value.Low();
    default:
      return 0;
  }
}

}  // namespace

MessageBoxTextSource MessageBoxTextSourceOf(const TypedValue& value) {
  switch (static_cast<ValueKind>(value.kind)) {
    case ValueKind::kText:
      return MessageBoxTextSource::kUnchanged;
    case ValueKind::kByte:
    case ValueKind::kShort:
    case ValueKind::kInteger:
    case ValueKind::kLong:
    case ValueKind::kFloat:
    case ValueKind::kDouble:
    case ValueKind::kBoolean:
    case ValueKind::kDateTime:
      return MessageBoxTextSource::kConverted;
    default:
      return MessageBoxTextSource::kEmpty;
  }
}

std::uint32_t MessageBoxStyle(std::uint32_t requested) {
  if ((requested & (kSystemModalStyle | kTaskModalStyle)) == 0) return requested | kTaskModalStyle;
  return requested;
}

int MessageBoxResultCode(int answer) {
  // IDOK 1, IDCANCEL 2, IDABORT 3, IDRETRY 4, IDIGNORE 5, IDYES 6, IDNO 7.
  if (answer >= 1 && answer <= 7) return answer - 1;
  return 0;
}

MessageBoxOwner MessageBoxOwnerOf(int argCount, const TypedValue* args) {
  MessageBoxOwner owner;
  if (argCount < 4 || args == nullptr) return owner;
  const TypedValue& value = args[3];
  if (IsUnitReference(value)) {
    owner.kind = MessageBoxOwner::Kind::kWindow;
    owner.window = value.Low();
  } else if (value.Is(ValueKind::kInteger)) {
    owner.kind = MessageBoxOwner::Kind::kHandle;
    owner.handle = value.AsInt();  // handles are 32-bit values, sign-extended
  } else if (value.Is(ValueKind::kLong)) {
    owner.kind = MessageBoxOwner::Kind::kHandle;
    owner.handle = static_cast<std::intptr_t>(value.payload);
  }
  return owner;
}

MessageBoxRequest PrepareMessageBox(int argCount, const TypedValue* args) {
  MessageBoxRequest request;
  if (IsPresent(argCount, args, 0)) request.text = MessageBoxTextOf(args[0]);
  request.style = MessageBoxStyle(IsPresent(argCount, args, 1) ? StyleArgument(args[1]) : 0);
  request.caption = IsPresent(argCount, args, 2) ? MessageBoxTextOf(args[2])
                                                 : std::string(kDefaultMessageBoxCaption);
  request.owner = MessageBoxOwnerOf(argCount, args);
  return request;
}

}  // namespace pellomi
