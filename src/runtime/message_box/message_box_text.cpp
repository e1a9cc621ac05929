#include "commands/value_to_text.h"
#include "message_box/message_box_rules.h"
#include "values/memory_service.h"

namespace pellomi {

std::string MessageBoxTextOf(const TypedValue& value) {
  switch (MessageBoxTextSourceOf(value)) {
    case MessageBoxTextSource::kUnchanged: {
      const char* text = value.AsText();
      return text == nullptr ? std::string() : std::string(text);
    }
    case MessageBoxTextSource::kConverted: {
      char* block = ValueToText(value);
      std::string text = block == nullptr ? std::string() : std::string(block);
      ReleaseBlock(block);
      return text;
    }
    case MessageBoxTextSource::kEmpty:
      break;
  }
  return std::string();
}

}  // namespace pellomi
