#pragma once
// The stored form of a label record in a movable global memory block, for callers that need one.
#include <windows.h>

#include <cstddef>

#include "handles_win.h"
#include "label/label_record.h"

namespace pellomi {

// A new GMEM_MOVEABLE block of exactly the stored length; empty and length 0 if it cannot be
// made.
platform::UniqueGlobal SaveLabelRecordToGlobal(const LabelRecord& record, std::size_t* length);

}  // namespace pellomi
