#pragma once
// Reading and writing numbered unit properties, addressed by WindowId + UnitId.
#include <cstdint>

#include "form/identifiers.h"
#include "form/unit_model.h"
#include "label/label_properties.h"

namespace pellomi {

// Common properties of window, timer and label units.
enum CommonProperty : int {
  kPropLeft = 0,
  kPropTop = 1,
  kPropWidth = 2,
  kPropHeight = 3,
  kPropTag = 4,
  kPropVisible = 5,
  kPropDisabled = 6,
  kPropMousePointer = 7,
  kFirstKindProperty = 8,
};

// Menu item properties.
enum MenuItemProperty : int {
  kMenuPropCaption = 0,
  kMenuPropChecked = 1,
  kMenuPropDisabled = 2,
  kMenuPropVisible = 3,
};

// Window unit properties the window object reads or writes itself.
inline constexpr int kWindowPropTitle = 8;
inline constexpr int kWindowPropBorderStyle = 9;
inline constexpr int kWindowPropBackgroundColour = 10;
inline constexpr int kWindowPropState = 18;
inline constexpr int kWindowPropShownInTaskbar = 26;
inline constexpr int kWindowPropAlwaysOnTop = 29;
// Timer interval, label caption.
inline constexpr int kTimerPropInterval = 8;
inline constexpr int kLabelPropCaption = static_cast<int>(LabelProperty::kCaption);

inline constexpr std::int32_t kGeometryLimit = 32627;

// The payload is the whole 64-bit value: integers and booleans in the low half, a text or
// byte-array block as a pointer (null text counts as empty).
void SetUnitProperty(WindowId window, UnitId unit, int index, int arrayIndex,
                     std::uint64_t payload);

// Texts come back as new blocks (null when empty) that the caller releases; byte data as a
// byte-array block (dimension count, element count, bytes), also the caller's.
std::uint64_t GetUnitProperty(WindowId window, UnitId unit, int index, int arrayIndex);

// Conveniences for handlers.
inline void SetIntProperty(WindowId window, UnitId unit, int index, std::int32_t value) {
  SetUnitProperty(window, unit, index, -1, static_cast<std::uint32_t>(value));
}
inline std::int32_t GetIntProperty(WindowId window, UnitId unit, int index) {
  return static_cast<std::int32_t>(
      static_cast<std::uint32_t>(GetUnitProperty(window, unit, index, -1)));
}
void SetTextProperty(WindowId window, UnitId unit, int index, const char* text);

// Pure rules, exposed for tests.
std::int32_t ClampPosition(std::int32_t value);  // -32627 .. 32627
std::int32_t ClampExtent(std::int32_t value);    // 0 .. 32627
// Applies a menu-item property write to the flags; returns the new flags.
std::uint32_t MenuFlagsAfterWrite(std::uint32_t flags, int index, bool value);
bool MenuFlagProperty(std::uint32_t flags, int index);
// Reads a payload by its declared type.
PropertyValue ConvertPayload(PropertyType type, std::uint64_t payload);
// Declared type of a property of a unit kind (index 8 and up).
PropertyType DeclaredPropertyType(UnitKind kind, int index);

}  // namespace pellomi
