#pragma once
// The runtime's byte-array block: a 32-bit dimension count (1), a 32-bit element count, the bytes.
#include <cstdint>
#include <span>
#include <vector>

namespace pellomi {

// A new block (caller releases) holding the bytes.
void* NewByteArrayBlock(const std::vector<std::uint8_t>& bytes);
void* NewByteArrayBlock(const void* data, std::size_t size);
// The element bytes of a block, viewed in place: element count × `elementSize` bytes; a null
// block or a count of 0 or less gives none.
std::span<const std::uint8_t> ByteArrayBlockElements(const void* block,
                                                     std::size_t elementSize = 1);
// A copy of a byte block's bytes.
std::vector<std::uint8_t> BytesOfByteArrayBlock(const void* block);

}  // namespace pellomi
