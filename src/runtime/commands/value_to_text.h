#pragma once
// Any runtime value written as text.
#include "values/typed_value.h"

namespace pellomi {

// A new block (from AllocateBlock, released by the caller), or null when the text would be empty
// or the kind has no text form (absent, unit reference, array of a non-numeric kind).
char* ValueToText(const TypedValue& value);

}  // namespace pellomi
