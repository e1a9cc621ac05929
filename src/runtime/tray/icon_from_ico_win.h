#pragma once
// Turns an ICO file image in memory into an icon handle.
#include <cstddef>

#include "handles_win.h"

namespace pellomi {

// The entry nearest `wantedSize` pixels (see PlanIconFromIco), bitmap or PNG. None when the data
// is unusable or the system refuses the image.
platform::UniqueIcon IconFromIcoBytes(const unsigned char* bytes, std::size_t length,
                                      int wantedSize);

}  // namespace pellomi
