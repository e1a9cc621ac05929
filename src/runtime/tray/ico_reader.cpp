#include "tray/ico_reader.h"

namespace pellomi {
namespace {

std::uint16_t ReadU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t ReadU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::int32_t ReadI32(const std::uint8_t* p) {
  return static_cast<std::int32_t>(ReadU32(p));
}

// True when [offset, offset + size) lies inside the data; written so that it cannot wrap.
bool SpanFits(std::size_t length, std::uint64_t offset, std::uint64_t size) {
  return offset <= length && size <= length - offset;
}

}  // namespace

std::optional<IcoImagePlan> PlanIconFromIco(const std::uint8_t* bytes, std::size_t length,
                                            bool wantLarge) {
  if (bytes == nullptr || length < kIcoHeaderSize) return std::nullopt;
  const std::uint16_t reserved = ReadU16(bytes);
  const std::uint16_t type = ReadU16(bytes + 2);
  const std::uint16_t count = ReadU16(bytes + 4);
  if (reserved != 0 || (type != 1 && type != 2) || count == 0) return std::nullopt;

  const std::uint8_t wantedWidth = wantLarge ? 32 : 16;
  const std::uint8_t* chosen = nullptr;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint64_t entryOffset = kIcoHeaderSize + kIcoDirectoryEntrySize * i;
    if (!SpanFits(length, entryOffset, kIcoDirectoryEntrySize)) return std::nullopt;
    chosen = bytes + entryOffset;
    const std::uint8_t width = chosen[0];
    const std::uint8_t colourCount = chosen[2];
    if (colourCount >= 16 && width == wantedWidth) break;
  }

  const std::uint32_t imageSize = ReadU32(chosen + 8);
  const std::uint32_t imageOffset = ReadU32(chosen + 12);
  if (!SpanFits(length, imageOffset, imageSize)) return std::nullopt;
  if (imageSize < kBitmapInfoHeaderSize) return std::nullopt;

  const std::uint8_t* image = bytes + imageOffset;
  const std::int32_t width = ReadI32(image + 4);
  const std::int32_t height = ReadI32(image + 8);
  // Such a header cannot describe an icon; the system would be asked for a nonsense size.
  if (height <= 0 || width < 0) return std::nullopt;

  IcoImagePlan plan;
  plan.image = image;
  plan.size = imageSize;
  plan.cx = width;
  plan.cy = height / 2;
  plan.bitCount = ReadU16(image + 14);
  return plan;
}

}  // namespace pellomi
