#pragma once
// The bytes behind a byte-array value: a block holding a 32-bit dimension count, a 32-bit element
// count and then the elements.
#include <cstddef>
#include <cstdint>

#include "values/typed_value.h"

namespace pellomi {

struct ByteSpan {
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
};

// Empty for any other kind of value, a null block or a negative element count.
ByteSpan ByteArrayContents(const TypedValue& value);

}  // namespace pellomi
