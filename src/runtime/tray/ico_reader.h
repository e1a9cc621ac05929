#pragma once
// Reads an ICO (or CUR) file image held in memory and picks the image to turn into an icon.
// Window-free, so it can be checked against malformed data on any machine.
#include <cstddef>
#include <cstdint>
#include <optional>

namespace pellomi {

// The chosen image, as a span into the caller's bytes, and the size to ask the system for.
struct IcoImagePlan {
  const std::uint8_t* image = nullptr;
  std::size_t size = 0;
  std::int32_t cx = 0;  // biWidth; for a PNG image the directory's width
  std::int32_t cy = 0;  // biHeight / 2 (colour bitmap and mask together); PNG: the directory's
  std::uint16_t bitCount = 0;
  bool png = false;  // the image is a whole PNG file, handed to the system as it is
};

inline constexpr std::size_t kIcoHeaderSize = 6;
inline constexpr std::size_t kIcoDirectoryEntrySize = 16;
inline constexpr std::size_t kBitmapInfoHeaderSize = 40;

// The entry whose width is nearest `wantedSize` pixels (a tie goes to the larger, which shrinks
// better than the smaller grows; among equal widths the first); only entries with at least 16
// colours qualify (a stored count of 0 means 256 or more), otherwise the last entry is taken.
// Data that is cut short, points outside itself or carries no usable image header gives no plan.
std::optional<IcoImagePlan> PlanIconFromIco(const std::uint8_t* bytes, std::size_t length,
                                            int wantedSize);

}  // namespace pellomi
