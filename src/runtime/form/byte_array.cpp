#include "form/byte_array.h"

#include <cstring>

#include "form/memory_service.h"

namespace pellomi {

void* NewByteArrayBlock(const void* data, std::size_t size) {
  auto* block = static_cast<std::uint8_t*>(AllocateBlock(8 + size));
  std::int32_t header[2] = {1, static_cast<std::int32_t>(size)};
  std::memcpy(block, header, sizeof header);
  if (size != 0) std::memcpy(block + 8, data, size);
  return block;
}

void* NewByteArrayBlock(const std::vector<std::uint8_t>& bytes) {
  return NewByteArrayBlock(bytes.data(), bytes.size());
}

std::vector<std::uint8_t> BytesOfByteArrayBlock(const void* block) {
  if (block == nullptr) return {};
  std::int32_t header[2];
  std::memcpy(header, block, sizeof header);
  if (header[1] <= 0) return {};
  const auto* bytes = static_cast<const std::uint8_t*>(block) + 8;
  return std::vector<std::uint8_t>(bytes, bytes + header[1]);
}

}  // namespace pellomi
