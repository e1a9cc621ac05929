#pragma once
// Window-free rules of layered transparency: extended style, layered flags and client size.
#include <cstdint>

namespace pellomi {

inline constexpr std::uint32_t kExStyleTransparent = 0x20u;  // WS_EX_TRANSPARENT
inline constexpr std::uint32_t kExStyleLayered = 0x80000u;   // WS_EX_LAYERED
inline constexpr std::uint32_t kLayeredColourKey = 1u;       // LWA_COLORKEY
inline constexpr std::uint32_t kLayeredAlpha = 2u;           // LWA_ALPHA
inline constexpr int kExStyleIndex = -20;                    // GWL_EXSTYLE
inline constexpr std::int32_t kDefaultCornerSize = 50;

// Click-through adds layered and transparent to the current style; without it the style becomes
// exactly layered, which also switches click-through off.
std::uint32_t ExtendedStyleFor(std::uint32_t current, bool clickThrough);

// A colour key of 0 means none, so black cannot be a key.
std::uint32_t LayeredFlagsFor(std::uint32_t colourKey, std::uint8_t alpha);

struct ClientSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
};
// From a client rectangle; a failed query gives 0 x 0.
ClientSize ClientSizeFromRect(bool succeeded, std::int32_t left, std::int32_t top,
                              std::int32_t right, std::int32_t bottom);

}  // namespace pellomi
