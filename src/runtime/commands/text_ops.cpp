#include "commands/text_ops.h"

#include <cstring>

#include "values/memory_service.h"

namespace pellomi {

std::size_t TextLength(const char* text) {
  return text == nullptr ? 0 : std::strlen(text);
}

char* ConcatTexts(std::span<const char* const> texts) {
  std::size_t total = 0;
  for (const char* text : texts) total += TextLength(text);
  char* joined = static_cast<char*>(AllocateBlock(total + 1));
  char* out = joined;
  for (const char* text : texts) {
    const std::size_t length = TextLength(text);
    if (length != 0) std::memcpy(out, text, length);
    out += length;
  }
  *out = '\0';
  return joined;
}

char* ConcatTexts(std::initializer_list<const char*> texts) {
  return ConcatTexts(std::span<const char* const>(texts.begin(), texts.size()));
}

}  // namespace pellomi
