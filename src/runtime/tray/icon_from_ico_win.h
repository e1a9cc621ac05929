#pragma once
// Turns an ICO file image in memory into an icon handle.
#include <cstddef>

#include "handles_win.h"

namespace pellomi {

// `wantLarge` prefers a 32-pixel entry over a 16-pixel one (see PlanIconFromIco). None when the
// data is unusable or the system refuses the image.
platform::UniqueIcon IconFromIcoBytes(const unsigned char* bytes, std::size_t length,
                                      bool wantLarge);

}  // namespace pellomi
