#pragma once
// The hourglass icon compiled into the program (assets/hourglass.ico), as an ICO file image.
#include <cstddef>

namespace pellomi {

extern const unsigned char kHourglassIco[];
extern const std::size_t kHourglassIco_size;

}  // namespace pellomi
