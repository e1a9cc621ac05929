#pragma once
// What the message-box command makes of its arguments, and what it reports back, apart from the
// box itself.
#include <cstdint>
#include <string>

#include "form/identifiers.h"
#include "values/typed_value.h"

namespace pellomi {

// "信息："
inline constexpr char kDefaultMessageBoxCaption[] = "\xD0\xC5\xCF\xA2\xA3\xBA";

inline constexpr std::uint32_t kOkCancelStyle = 0x1;        // MB_OKCANCEL
inline constexpr std::uint32_t kQuestionIconStyle = 0x20;   // MB_ICONQUESTION
inline constexpr std::uint32_t kSystemModalStyle = 0x1000;  // MB_SYSTEMMODAL
inline constexpr std::uint32_t kTaskModalStyle = 0x2000;    // MB_TASKMODAL

enum class MessageBoxTextSource { kUnchanged, kConverted, kEmpty };

// Texts are shown as they are; numbers, truth values and dates are converted; anything else
// shows nothing.
MessageBoxTextSource MessageBoxTextSourceOf(const TypedValue& value);

// The GBK text an argument shows.
std::string MessageBoxTextOf(const TypedValue& value);

// A box is task-modal unless the caller asked for system- or task-modality already.
std::uint32_t MessageBoxStyle(std::uint32_t requested);

// The command's result for the box's answer: IDOK 1 -> 0 ... IDNO 7 -> 6; failure too gives 0.
int MessageBoxResultCode(int answer);

struct MessageBoxOwner {
  enum class Kind { kNone, kWindow, kHandle };
  Kind kind = Kind::kNone;
  WindowId window = 0;       // kWindow
  std::intptr_t handle = 0;  // kHandle
};

// The fourth argument, looked at only when there are at least four.
MessageBoxOwner MessageBoxOwnerOf(int argCount, const TypedValue* args);

struct MessageBoxRequest {
  std::string text;
  std::string caption;
  std::uint32_t style = 0;
  MessageBoxOwner owner;
};

// Arguments: text, style, caption (may be absent), owner (may be absent).
MessageBoxRequest PrepareMessageBox(int argCount, const TypedValue* args);

}  // namespace pellomi
