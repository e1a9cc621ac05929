#include "label/label_properties.h"

#include <algorithm>
#include <array>

namespace pellomi {
namespace {

constexpr std::array<PropertyType, kLabelPropertyCount> kLabelPropertyTypes = {
    PropertyType::kText,     // caption
    PropertyType::kChoice,   // text effect
    PropertyType::kFont,     // label font
    PropertyType::kColour,   // text colour
    PropertyType::kChoice,   // horizontal align
    PropertyType::kBoolean,  // word wrap
    PropertyType::kChoice,   // vertical align
};

constexpr int kFirstOwn = static_cast<int>(LabelProperty::kCaption);

bool IsOwnIndex(int index) {
  return index >= kFirstOwn && index < kFirstOwn + kLabelPropertyCount;
}

}  // namespace

PropertyType LabelPropertyType(int index) {
  return IsOwnIndex(index) ? kLabelPropertyTypes[static_cast<std::size_t>(index - kFirstOwn)]
                           : PropertyType::kNone;
}

void LabelPropertyChanged(LabelRecord& record, int index, const PropertyValue& value) {
  if (!IsOwnIndex(index)) return;
  switch (static_cast<LabelProperty>(index)) {
    case LabelProperty::kCaption:
      // The caption is also the window text, which ends at the first zero.
      record.caption.assign(value.text.c_str());
      break;
    case LabelProperty::kTextEffect:
      record.effect = std::clamp(value.integer, 0, 3);
      break;
    case LabelProperty::kLabelFont:
      record.font = value.bytes;
      break;
    case LabelProperty::kTextColour:
      record.colour = static_cast<std::uint32_t>(value.integer);
      break;
    case LabelProperty::kHorizontalAlign:
      record.horizontal = std::clamp(value.integer, 0, 2);
      break;
    case LabelProperty::kWordWrap:
      record.wordWrap = value.integer;
      break;
    case LabelProperty::kVerticalAlign:
      record.vertical = std::clamp(value.integer, 0, 2);
      break;
  }
}

bool GetLabelProperty(const LabelRecord& record, int index, PropertyValue& out) {
  if (!IsOwnIndex(index)) return false;
  out = PropertyValue{};
  out.type = LabelPropertyType(index);
  switch (static_cast<LabelProperty>(index)) {
    case LabelProperty::kCaption:
      out.text = record.caption;
      break;
    case LabelProperty::kTextEffect:
      out.integer = record.effect;
      break;
    case LabelProperty::kLabelFont:
      out.bytes = record.font;
      break;
    case LabelProperty::kTextColour:
      out.integer = static_cast<std::int32_t>(record.colour);
      break;
    case LabelProperty::kHorizontalAlign:
      out.integer = record.horizontal;
      break;
    case LabelProperty::kWordWrap:
      out.integer = record.wordWrap;
      break;
    case LabelProperty::kVerticalAlign:
      out.integer = record.vertical;
      break;
  }
  return true;
}

}  // namespace pellomi
