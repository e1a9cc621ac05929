#include "tray/ico_reader.h"

#include <algorithm>
#include <cstdlib>

#include "form/byte_io.h"

namespace pellomi {
namespace {

constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// The directory stores 256 as 0 in its one-byte sizes.
int DirectorySize(std::uint8_t stored) {
  return stored == 0 ? 256 : stored;
}

// Whether `candidate` is a better fit for `wanted` than `best` (widths, not stored bytes).
bool Nearer(int candidate, int best, int wanted) {
  const int candidateGap = std::abs(candidate - wanted);
  const int bestGap = std::abs(best - wanted);
  return candidateGap < bestGap || (candidateGap == bestGap && candidate > best);
}

}  // namespace

std::optional<IcoImagePlan> PlanIconFromIco(const std::uint8_t* bytes, std::size_t length,
                                            int wantedSize) {
  if (bytes == nullptr || length < kIcoHeaderSize) return std::nullopt;
  const std::span<const std::uint8_t> file(bytes, length);
  ByteReader header(file);
  const std::uint16_t reserved = header.U16();
  const std::uint16_t type = header.U16();
  const std::uint16_t count = header.U16();
  if (reserved != 0 || (type != 1 && type != 2) || count == 0) return std::nullopt;

  // Of the entries with at least 16 colours (0: 256 or more), the one nearest the wanted width;
  // the last entry when none qualifies. An exact width ends the scan.
  std::span<const std::uint8_t> chosen;
  std::span<const std::uint8_t> last;
  for (std::size_t i = 0; i < count; ++i) {
    last = header.Block(kIcoDirectoryEntrySize);
    if (!header.Ok()) return std::nullopt;
    const std::uint8_t colourCount = last[2];
    if (colourCount != 0 && colourCount < 16) continue;
    const int width = DirectorySize(last[0]);
    if (chosen.empty() || Nearer(width, DirectorySize(chosen[0]), wantedSize)) chosen = last;
    if (width == wantedSize) break;
  }
  if (chosen.empty()) chosen = last;

  ByteReader entry(chosen);
  entry.Block(8);
  const std::uint32_t imageSize = entry.U32();
  const std::uint32_t imageOffset = entry.U32();
  ByteReader images(file);
  images.Seek(imageOffset);
  const std::span<const std::uint8_t> image = images.Block(imageSize);
  if (!images.Ok() || imageSize < kBitmapInfoHeaderSize) return std::nullopt;

  IcoImagePlan plan;
  plan.image = image.data();
  plan.size = imageSize;
  if (std::equal(std::begin(kPngSignature), std::end(kPngSignature), image.begin())) {
    // The PNG's own header is the system's to read; the directory gives the size to ask for.
    plan.png = true;
    plan.cx = DirectorySize(chosen[0]);
    plan.cy = DirectorySize(chosen[1]);
    plan.bitCount = static_cast<std::uint16_t>(chosen[6] | (chosen[7] << 8));
    return plan;
  }

  ByteReader info(image);
  info.Block(4);
  const std::int32_t width = info.I32();
  const std::int32_t height = info.I32();
  info.Block(2);
  const std::uint16_t bitCount = info.U16();
  // Such a header cannot describe an icon; the system would be asked for a nonsense size.
  if (height <= 0 || width < 0) return std::nullopt;

  plan.cx = width;
  plan.cy = height / 2;
  plan.bitCount = bitCount;
  return plan;
}

}  // namespace pellomi
