#include "properties/properties.h"

#include "form/runtime_error.h"
#include "form/runtime_state.h"
#include "form/runtime_texts.h"
#include "form/unit_object.h"
#include "values/byte_array.h"
#include "values/memory_service.h"

namespace pellomi {
namespace {

bool IsByteType(PropertyType type) {
  switch (type) {
    case PropertyType::kFont:
    case PropertyType::kPicture:
    case PropertyType::kIcon:
    case PropertyType::kCursor:
    case PropertyType::kBytes:
      return true;
    default:
      return false;
  }
}

const char* PayloadText(std::uint64_t payload) {
  return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(payload));
}

struct Target {
  WindowEntry* entry;
  UnitRecord* unit;
};

Target FindTarget(WindowId window, UnitId unit) {
  WindowEntry* entry = Runtime().store.Find(window);
  if (entry == nullptr) ReportRuntimeError(texts::kPropertyWindowMissing, 0, window, unit);
  UnitRecord* record = TemplateStore::FindUnit(TemplateStore::Units(*entry), unit);
  // The program never names a unit its window lacks; treat it like a missing object.
  if (record == nullptr) ReportRuntimeError(texts::kUnitObjectMissing, 0, window, unit);
  return {entry, record};
}

std::uint64_t PointerPayload(const void* block) {
  return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(block));
}

std::uint64_t TextPayload(const std::string& text) {
  return text.empty() ? 0 : PointerPayload(CopyTextToBlock(text.c_str()));
}

void SetMenuItemProperty(WindowEntry& entry, UnitRecord& unit, int index, std::uint64_t payload) {
  MenuItemData& menu = unit.menu;
  if (index == kMenuPropCaption) {
    const char* text = PayloadText(payload);
    std::string caption = text == nullptr ? std::string() : std::string(text);
    if (caption == menu.caption) return;
    menu.caption = std::move(caption);
  } else if (index >= kMenuPropChecked && index <= kMenuPropVisible) {
    std::uint32_t flags =
        MenuFlagsAfterWrite(menu.flags, index, static_cast<std::uint32_t>(payload) != 0);
    if (flags == menu.flags) return;
    menu.flags = flags;
  } else {
    return;
  }
  if (entry.object != nullptr) entry.object->RebuildMenuBar();
}

std::uint64_t GetMenuItemProperty(const UnitRecord& unit, int index) {
  if (index == kMenuPropCaption) return TextPayload(unit.menu.caption);
  return MenuFlagProperty(unit.menu.flags, index) ? 1 : 0;
}

std::uint64_t PayloadOf(const PropertyValue& value) {
  switch (value.type) {
    case PropertyType::kText:
    case PropertyType::kFileName:
      return TextPayload(value.text);
    default:
      if (IsByteType(value.type)) return PointerPayload(NewByteArrayBlock(value.bytes));
      return static_cast<std::uint32_t>(value.integer);
  }
}

}  // namespace

std::int32_t ClampPosition(std::int32_t value) {
  if (value > kGeometryLimit) return kGeometryLimit;
  if (value < -kGeometryLimit) return -kGeometryLimit;
  return value;
}

std::int32_t ClampExtent(std::int32_t value) {
  if (value > kGeometryLimit) return kGeometryLimit;
  return value < 0 ? 0 : value;
}

std::uint32_t MenuFlagsAfterWrite(std::uint32_t flags, int index, bool value) {
  switch (index) {
    case kMenuPropChecked:
      return value ? flags | kMenuChecked : flags & ~kMenuChecked;
    case kMenuPropDisabled:
      return value ? flags | kMenuDisabled : flags & ~kMenuDisabled;
    case kMenuPropVisible:  // stored inverted: the bit means hidden
      return value ? flags & ~kMenuHidden : flags | kMenuHidden;
    default:
      return flags;
  }
}

bool MenuFlagProperty(std::uint32_t flags, int index) {
  switch (index) {
    case kMenuPropChecked:
      return (flags & kMenuChecked) != 0;
    case kMenuPropDisabled:
      return (flags & kMenuDisabled) != 0;
    case kMenuPropVisible:
      return (flags & kMenuHidden) == 0;
    default:
      return false;
  }
}

PropertyValue ConvertPayload(PropertyType type, std::uint64_t payload) {
  PropertyValue value;
  value.type = type;
  if (type == PropertyType::kText || type == PropertyType::kFileName) {
    const char* text = PayloadText(payload);
    if (text != nullptr) value.text = text;
  } else if (IsByteType(type)) {
    value.bytes =
        BytesOfByteArrayBlock(reinterpret_cast<const void*>(static_cast<std::uintptr_t>(payload)));
  } else if (type == PropertyType::kBoolean) {
    value.integer = static_cast<std::uint32_t>(payload) != 0 ? 1 : 0;
  } else {
    value.integer = static_cast<std::int32_t>(static_cast<std::uint32_t>(payload));
  }
  return value;
}

namespace {

// Left, top, width or height (indices 0 to 3): clamped into the record, then onto the live
// object with the other three as they are now.
void SetGeometry(UnitRecord& record, UnitObject* object, int index, std::int32_t raw) {
  const bool extent = index == kPropWidth || index == kPropHeight;
  const std::int32_t value = extent ? ClampExtent(raw) : ClampPosition(raw);
  std::int32_t* const stored[] = {&record.left, &record.top, &record.width, &record.height};
  *stored[index] = value;
  if (object == nullptr) return;
  const UnitRect rect = object->OuterRect();
  std::int32_t now[] = {rect.left, rect.top, rect.Width(), rect.Height()};
  now[index] = value;
  if (extent) {
    object->Resize(now[kPropWidth], now[kPropHeight]);
  } else {
    object->MoveTo(now[kPropLeft], now[kPropTop]);
  }
}

}  // namespace

void SetUnitProperty(WindowId window, UnitId unit, int index, int /*arrayIndex*/,
                     std::uint64_t payload) {
  auto [entry, record] = FindTarget(window, unit);
  if (record->IsMenuItem()) {
    SetMenuItemProperty(*entry, *record, index, payload);
    return;
  }
  UnitObject* object = record->object;
  if (index >= kFirstKindProperty) {
    if (object == nullptr) ReportRuntimeError(texts::kSetPropertyNotLoaded, 0, window, unit);
    object->KindPropertyChanged(index,
                                ConvertPayload(DeclaredPropertyType(record->kind, index), payload));
    return;
  }
  std::int32_t integer = static_cast<std::int32_t>(static_cast<std::uint32_t>(payload));
  bool flag = static_cast<std::uint32_t>(payload) != 0;
  switch (index) {
    case kPropLeft:
    case kPropTop:
    case kPropWidth:
    case kPropHeight:
      SetGeometry(*record, object, index, integer);
      break;
    case kPropTag: {
      const char* text = PayloadText(payload);
      record->tag = text == nullptr ? std::string() : std::string(text);
      break;
    }
    case kPropVisible:
      record->flags = flag ? record->flags | kUnitVisible : record->flags & ~kUnitVisible;
      if (object != nullptr) object->SetVisible(flag);
      break;
    case kPropDisabled:
      record->flags = flag ? record->flags | kUnitDisabled : record->flags & ~kUnitDisabled;
      if (object != nullptr) object->SetEnabled(!flag);
      break;
    case kPropMousePointer:
      record->cursorData = BytesOfByteArrayBlock(
          reinterpret_cast<const void*>(static_cast<std::uintptr_t>(payload)));
      if (object != nullptr) object->CursorChanged();
      break;
    default:
      break;
  }
}

void SetTextProperty(WindowId window, UnitId unit, int index, const char* text) {
  SetUnitProperty(window, unit, index, -1, PointerPayload(text));
}

std::uint64_t GetUnitProperty(WindowId window, UnitId unit, int index, int /*arrayIndex*/) {
  auto [entry, record] = FindTarget(window, unit);
  if (record->IsMenuItem()) return GetMenuItemProperty(*record, index);
  const UnitObject* object = record->object;
  if (index >= kFirstKindProperty) {
    if (object == nullptr) ReportRuntimeError(texts::kGetPropertyNotLoaded, 0, window, unit);
    PropertyValue value;
    value.type = DeclaredPropertyType(record->kind, index);
    if (!object->GetKindProperty(index, value)) return 0;
    return PayloadOf(value);
  }
  auto asPayload = [](std::int32_t v) { return std::uint64_t{static_cast<std::uint32_t>(v)}; };
  switch (index) {
    case kPropLeft:
      return asPayload(object != nullptr ? object->OuterRect().left : record->left);
    case kPropTop:
      return asPayload(object != nullptr ? object->OuterRect().top : record->top);
    case kPropWidth:
      return asPayload(object != nullptr ? object->OuterRect().Width() : record->width);
    case kPropHeight:
      return asPayload(object != nullptr ? object->OuterRect().Height() : record->height);
    case kPropTag:
      return TextPayload(record->tag);
    case kPropVisible:
      return object != nullptr ? object->IsVisible() : (record->flags & kUnitVisible) != 0;
    case kPropDisabled:
      return object != nullptr ? !object->IsEnabled() : (record->flags & kUnitDisabled) != 0;
    case kPropMousePointer:
      return PointerPayload(NewByteArrayBlock(record->cursorData));
    default:
      return 0;
  }
}

}  // namespace pellomi
