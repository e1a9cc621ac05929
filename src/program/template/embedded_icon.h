#pragma once
// The hourglass icon compiled into the program (assets/hourglass.ico), as an ICO file image.
#include <cstddef>

namespace pellomi {

// The runtime's byte-array block holding the image: a constant of the program data, never
// released.
extern const unsigned char kHourglassIco_block[];
// The image itself, inside that block.
extern const unsigned char* const kHourglassIco;
extern const std::size_t kHourglassIco_size;

}  // namespace pellomi
