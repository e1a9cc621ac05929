#pragma once
// The runtime's model of a window template: unit kinds, unit records and property values.
#include <cstdint>
#include <string>
#include <vector>

#include "form/identifiers.h"

namespace pellomi {

enum class UnitKind : std::uint8_t { kWindow, kTimer, kMenuItem, kTransparentLabel };

// Kind code of a TypedValue that references a unit of this kind.
constexpr std::uint32_t UnitReferenceKindCode(UnitKind kind) {
  return 0x00010000u | static_cast<std::uint32_t>(kind);
}

// Declared value types of unit properties; a write's payload is read by this type.
enum class PropertyType : std::uint8_t {
  kNone,
  kInteger,
  kBoolean,
  kText,
  kChoice,
  kColour,
  kFont,
  kPicture,
  kIcon,
  kCursor,
  kFileName,
  kBytes,
};

// A property value after conversion by its declared type.
struct PropertyValue {
  PropertyType type = PropertyType::kNone;
  std::int32_t integer = 0;         // integer, choice, colour, boolean (0 or 1)
  std::string text;                 // text, file name
  std::vector<std::uint8_t> bytes;  // font, picture, icon, cursor, other byte data
};

// Event handlers get the event's 32-bit arguments.
using HandlerRoutine = void (*)(int argCount, const std::int32_t* args);

struct EventBinding {
  int event = 0;
  HandlerRoutine handler = nullptr;
};

// MenuItemFlags bits.
inline constexpr std::uint32_t kMenuHidden = 1u << 0;
inline constexpr std::uint32_t kMenuDisabled = 1u << 1;
inline constexpr std::uint32_t kMenuChecked = 1u << 2;

// Unit flag bits.
inline constexpr std::uint32_t kUnitVisible = 1u << 0;
inline constexpr std::uint32_t kUnitDisabled = 1u << 1;
inline constexpr std::uint32_t kUnitTabStop = 1u << 2;

class UnitObject;

struct MenuItemData {
  std::uint32_t shortcut = 0;
  int level = 0;
  std::uint32_t flags = 0;  // MenuItemFlags
  std::string caption;
  HandlerRoutine handler = nullptr;
};

struct UnitRecord {
  UnitKind kind = UnitKind::kWindow;
  UnitId id = 0;
  std::string name;
  UnitObject* object = nullptr;  // the live object while the window is loaded; never for menu items
  std::int32_t left = 0, top = 0, width = 0, height = 0;
  std::vector<std::uint8_t> cursorData;
  UnitId parent = 0;
  std::vector<UnitId> children;
  std::string tag;
  std::uint32_t flags = 0;
  std::vector<EventBinding> bindings;
  std::vector<std::uint8_t> kindData;  // window record, timer record or label record bytes
  MenuItemData menu;                   // menu items only

  bool IsMenuItem() const { return kind == UnitKind::kMenuItem; }
};

struct WindowTemplate {
  WindowId id = 0;
  std::vector<UnitRecord> units;  // the window's own unit first
};

}  // namespace pellomi
