#pragma once
// Reads an icon file whole.
#include <cstdint>
#include <vector>

namespace pellomi {

// `gbkPath` names the file (GBK). Empty when the name is empty, the file cannot be opened, is
// empty or implausibly large for an icon; after a short read, the bytes actually read.
std::vector<std::uint8_t> ReadIconFile(const char* gbkPath);

}  // namespace pellomi
