#include "values/byte_array.h"

#include <cstring>

#include "values/memory_service.h"

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

std::span<const std::uint8_t> ByteArrayBlockElements(const void* block, std::size_t elementSize) {
  if (block == nullptr) return {};
  std::int32_t header[2];
  std::memcpy(header, block, sizeof header);
  if (header[1] <= 0) return {};
  const auto* elements = static_cast<const std::uint8_t*>(block) + sizeof header;
  return {elements, static_cast<std::size_t>(header[1]) * elementSize};
}

std::vector<std::uint8_t> BytesOfByteArrayBlock(const void* block) {
  std::span<const std::uint8_t> bytes = ByteArrayBlockElements(block);
  return {bytes.begin(), bytes.end()};
}

}  // namespace pellomi
