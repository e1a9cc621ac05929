#pragma once
// Writes and reads of a label's own properties (unit property index minus 8).
#include "form/unit_model.h"
#include "label/label_record.h"

namespace pellomi {

enum class LabelProperty : int {
  kCaption = 0,
  kTextEffect = 1,
  kLabelFont = 2,
  kTextColour = 3,
  kHorizontalAlign = 4,
  kWordWrap = 5,
  kVerticalAlign = 6,
};
inline constexpr int kLabelPropertyCount = 7;

// Declared value type of an own property; kNone outside 0..6. The runtime converts a written
// payload by this type before handing it to the label.
PropertyType LabelPropertyType(int ownIndex);

// Applies a write: caption stored (up to a zero byte), effect clamped to 0..3, font bytes
// replaced, colour and word wrap stored unchanged, alignments clamped to 0..2. Other indices
// change nothing.
void LabelPropertyChanged(LabelRecord& record, int ownIndex, const PropertyValue& value);

// Reads an own property into `out` (typed by LabelPropertyType); false outside 0..6.
bool GetLabelProperty(const LabelRecord& record, int ownIndex, PropertyValue& out);

}  // namespace pellomi
