// Declared value types of the kind properties, one table per unit kind.
#include <iterator>

#include "label/label_properties.h"
#include "properties/properties.h"

namespace pellomi {
namespace {

using T = PropertyType;

// Window record, indices 8 to 31.
constexpr PropertyType kWindowTypes[] = {
    T::kText,    T::kChoice,  T::kColour,  T::kPicture, T::kChoice,   T::kBytes,
    T::kChoice,  T::kBoolean, T::kBoolean, T::kBoolean, T::kChoice,   T::kBoolean,
    T::kIcon,    T::kBoolean, T::kBoolean, T::kBoolean, T::kFileName, T::kInteger,
    T::kBoolean, T::kBoolean, T::kChoice,  T::kBoolean, T::kBoolean,  T::kText,
};

// Timer: 8 interval.
constexpr PropertyType kTimerTypes[] = {T::kInteger};

// The label's own properties follow the common ones, as every kind's do.
static_assert(static_cast<int>(LabelProperty::kCaption) == kFirstKindProperty);

// Each table begins at the first kind property.
template <std::size_t N>
PropertyType Lookup(const PropertyType (&table)[N], int index) {
  int own = index - kFirstKindProperty;
  return own >= 0 && own < static_cast<int>(N) ? table[own] : T::kNone;
}

}  // namespace

PropertyType DeclaredPropertyType(UnitKind kind, int index) {
  switch (kind) {
    case UnitKind::kWindow:
      return Lookup(kWindowTypes, index);
    case UnitKind::kTimer:
      return Lookup(kTimerTypes, index);
    case UnitKind::kTransparentLabel:
      return LabelPropertyType(index);  // the label's own table
    case UnitKind::kMenuItem:
      break;
  }
  return T::kNone;
}

}  // namespace pellomi
