#pragma once
// Window-free rules of layered transparency: extended style, layered flags, client size and the
// menu items of the transparency levels.
#include <array>
#include <cstdint>

#include "forms/countdown_units.h"
#include "runtime/identifiers.h"

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

// The transparency levels of the tray menu: the caption's number is the alpha byte itself.
struct AlphaLevel {
  std::uint8_t alpha;
  UnitId item;
};
inline constexpr std::array<AlphaLevel, 5> kAlphaLevels = {{
    {50, units::kAlpha50},
    {100, units::kAlpha100},
    {150, units::kAlpha150},
    {200, units::kAlpha200},
    {250, units::kAlpha250},
}};
// "300%" has no handler; nothing here checks or unchecks it.
inline constexpr UnitId kAlpha300Item = units::kAlpha300;

inline constexpr std::uint8_t kStartupAlpha = 180;

}  // namespace pellomi
