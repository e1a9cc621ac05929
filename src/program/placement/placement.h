#pragma once
// Window-free rules of the placement presets and the menu items of position, visibility and
// always-on-top.
#include <array>
#include <cstdint>
#include <optional>

#include "form/display_scale.h"
#include "form/identifiers.h"
#include "template/check_group.h"
#include "template/countdown_units.h"

namespace pellomi {

enum class PlacementPreset {
  kTopLeft,
  kTopCenter,
  kTopRight,
  kBottomLeft,
  kBottomCenter,
  kBottomRight
};

// In 96-DPI pixels, like the template: scaled to the window's DPI where it is used.
inline constexpr std::int32_t kScreenMargin = 10;

struct ScreenPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

// A rectangle in virtual-screen pixels, right and bottom exclusive; a monitor left of or above
// the primary has negative coordinates.
struct ScreenArea {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  bool operator==(const ScreenArea&) const = default;
};

// The preset's top-left corner for a window of `width` x `height` within `area` (a monitor's
// work area), all in device pixels, with the margin scaled to `dpi`. Computed in double
// precision relative to the area's corner and truncated toward zero; a window larger than the
// area is placed as computed, partly outside it.
ScreenPoint PresetPosition(PlacementPreset preset, const ScreenArea& area, std::int32_t width,
                           std::int32_t height, std::uint32_t dpi = kTemplateDpi);
// The same within (0, 0) to (screenWidth, screenHeight).
ScreenPoint PresetPosition(PlacementPreset preset, std::int32_t screenWidth,
                           std::int32_t screenHeight, std::int32_t width, std::int32_t height,
                           std::uint32_t dpi = kTemplateDpi);

// Position items, in the order their check marks are written.
inline constexpr UnitId kItemTopLeft = units::kPlaceTopLeft;
inline constexpr UnitId kItemBottomLeft = units::kPlaceBottomLeft;
inline constexpr UnitId kItemTopRight = units::kPlaceTopRight;
inline constexpr UnitId kItemBottomRight = units::kPlaceBottomRight;
inline constexpr UnitId kItemTopCenter = units::kPlaceTopCenter;
inline constexpr UnitId kItemBottomCenter = units::kPlaceBottomCenter;
inline constexpr std::array<UnitId, 6> kPositionItems = {kItemTopLeft,   kItemBottomLeft,
                                                         kItemTopRight,  kItemBottomRight,
                                                         kItemTopCenter, kItemBottomCenter};

UnitId PositionItemOf(PlacementPreset preset);

// The preset whose item carries the check mark, given each item's mark in kPositionItems order;
// none when no item is checked (the first checked one if several are).
std::optional<PlacementPreset> CheckedPreset(const std::array<bool, 6>& checked);

// Visibility and always-on-top items.
inline constexpr UnitId kItemMinimizeToTray = units::kMinimizeToTray;
inline constexpr UnitId kItemShowMainWindow = units::kShowMainWindow;
inline constexpr UnitId kItemSetTopmost = units::kSetTopmost;
inline constexpr UnitId kItemCancelTopmost = units::kCancelTopmost;

}  // namespace pellomi
