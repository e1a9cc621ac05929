#include "tray/icon_source.h"

#include <cstring>

namespace pellomi {

ByteSpan ByteArrayContents(const TypedValue& value) {
  if (!value.Is(ValueKind::kByteArray)) return {};
  const auto* block = static_cast<const std::uint8_t*>(value.AsPointer());
  if (block == nullptr) return {};
  std::int32_t count = 0;
  std::memcpy(&count, block + 4, sizeof count);
  if (count <= 0) return {};
  return ByteSpan{block + 8, static_cast<std::size_t>(count)};
}

}  // namespace pellomi
