#pragma once
// Identifiers of the countdown window's units, as the template and the handlers name them.
#include "form/identifiers.h"

namespace pellomi {

inline constexpr WindowId kCountdownWindowId = 0x52010001u;

// Unit identifiers the handlers address.
namespace units {
inline constexpr UnitId kTimer = 0x16015692u;
inline constexpr UnitId kCountdownLabel = 0x16012B12u;  // label 2, the caption
inline constexpr UnitId kProductLabel = 0x16012B11u;    // label 1, "Pellomi"
inline constexpr UnitId kTrayMenu = 0x26012B13u;
inline constexpr UnitId kMinimizeToTray = 0x26012B14u;
inline constexpr UnitId kShowMainWindow = 0x26012B43u;
inline constexpr UnitId kPositionMenu = 0x26012B51u;
inline constexpr UnitId kPlaceTopCenter = 0x2601567Au;
inline constexpr UnitId kPlaceBottomCenter = 0x2601567Bu;
inline constexpr UnitId kPlaceTopLeft = 0x26012B52u;
inline constexpr UnitId kPlaceTopRight = 0x26012B53u;
inline constexpr UnitId kPlaceBottomLeft = 0x26012B54u;
inline constexpr UnitId kPlaceBottomRight = 0x26012B55u;
inline constexpr UnitId kAlphaMenu = 0x26015694u;
inline constexpr UnitId kAlpha50 = 0x26015695u;
inline constexpr UnitId kAlpha100 = 0x26015696u;
inline constexpr UnitId kAlpha150 = 0x26015697u;
inline constexpr UnitId kAlpha200 = 0x26015698u;
inline constexpr UnitId kAlpha250 = 0x26015699u;
inline constexpr UnitId kAlpha300 = 0x2601569Au;
inline constexpr UnitId kWindowMenu = 0x26012B48u;
inline constexpr UnitId kSetTopmost = 0x26012B49u;
inline constexpr UnitId kCancelTopmost = 0x26012B4Au;
inline constexpr UnitId kSeparator = 0x26012B44u;
inline constexpr UnitId kAuthor = 0x260156A1u;
inline constexpr UnitId kExit = 0x26012B45u;
}  // namespace units

}  // namespace pellomi
