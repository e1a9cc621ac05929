#pragma once
// Writes and reads of a label's own properties, by the unit property index of the template
// (the eight common properties come first, so the label's own begin at 8).
#include "form/unit_model.h"
#include "label/label_record.h"

namespace pellomi {

enum class LabelProperty : int {
  kCaption = 8,
  kTextEffect = 9,
  kLabelFont = 10,
  kTextColour = 11,
  kHorizontalAlign = 12,
  kWordWrap = 13,
  kVerticalAlign = 14,
};
inline constexpr int kLabelPropertyCount = 7;

// Declared value type of an own property; kNone outside 8..14. The runtime converts a written
// payload by this type before handing it to the label.
PropertyType LabelPropertyType(int index);

// Applies a write: caption stored (up to a zero byte), effect clamped to 0..3, font bytes
// replaced, colour and word wrap stored unchanged, alignments clamped to 0..2. Other indices
// change nothing.
void LabelPropertyChanged(LabelRecord& record, int index, const PropertyValue& value);

// Reads an own property into `out` (typed by LabelPropertyType); false outside 8..14.
bool GetLabelProperty(const LabelRecord& record, int index, PropertyValue& out);

}  // namespace pellomi
