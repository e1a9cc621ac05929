#include "tray/ico_reader.h"

#include "form/byte_io.h"

namespace pellomi {

std::optional<IcoImagePlan> PlanIconFromIco(const std::uint8_t* bytes, std::size_t length,
                                            bool wantLarge) {
  if (bytes == nullptr || length < kIcoHeaderSize) return std::nullopt;
  const std::span<const std::uint8_t> file(bytes, length);
  ByteReader header(file);
  const std::uint16_t reserved = header.U16();
  const std::uint16_t type = header.U16();
  const std::uint16_t count = header.U16();
  if (reserved != 0 || (type != 1 && type != 2) || count == 0) return std::nullopt;

  // The first entry of the wanted width with at least 16 colours, else the last entry.
  const std::uint8_t wantedWidth = wantLarge ? 32 : 16;
  std::span<const std::uint8_t> chosen;
  for (std::size_t i = 0; i < count; ++i) {
    chosen = header.Block(kIcoDirectoryEntrySize);
    if (!header.Ok()) return std::nullopt;
    const std::uint8_t width = chosen[0];
    const std::uint8_t colourCount = chosen[2];
    if (colourCount >= 16 && width == wantedWidth) break;
  }

  ByteReader entry(chosen);
  entry.Block(8);
  const std::uint32_t imageSize = entry.U32();
  const std::uint32_t imageOffset = entry.U32();
  ByteReader images(file);
  images.Seek(imageOffset);
  const std::span<const std::uint8_t> image = images.Block(imageSize);
  if (!images.Ok() || imageSize < kBitmapInfoHeaderSize) return std::nullopt;

  ByteReader info(image);
  info.Block(4);
  const std::int32_t width = info.I32();
  const std::int32_t height = info.I32();
  info.Block(2);
  const std::uint16_t bitCount = info.U16();
  // Such a header cannot describe an icon; the system would be asked for a nonsense size.
  if (height <= 0 || width < 0) return std::nullopt;

  IcoImagePlan plan;
  plan.image = image.data();
  plan.size = imageSize;
  plan.cx = width;
  plan.cy = height / 2;
  plan.bitCount = bitCount;
  return plan;
}

}  // namespace pellomi
