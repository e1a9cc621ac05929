#include "tray/icon_source.h"

#include "values/byte_array.h"

namespace pellomi {

ByteSpan ByteArrayContents(const TypedValue& value) {
  if (!value.Is(ValueKind::kByteArray)) return {};
  std::span<const std::uint8_t> bytes = ByteArrayBlockElements(value.AsPointer());
  if (bytes.empty()) return {};
  return ByteSpan{bytes.data(), bytes.size()};
}

}  // namespace pellomi
