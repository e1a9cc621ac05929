#pragma once
// The runtime's byte-array block: a 32-bit dimension count (1), a 32-bit element count, the bytes.
#include <cstdint>
#include <vector>

namespace pellomi {

// A new block (caller releases) holding the bytes.
void* NewByteArrayBlock(const std::vector<std::uint8_t>& bytes);
void* NewByteArrayBlock(const void* data, std::size_t size);
// The bytes of a block; null or a negative count gives none.
std::vector<std::uint8_t> BytesOfByteArrayBlock(const void* block);

}  // namespace pellomi
