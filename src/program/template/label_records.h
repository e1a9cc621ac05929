#pragma once
// Stored records of the countdown window's two labels, as its template holds them.
#include <cstdint>
#include <vector>

namespace pellomi {

// Label 2: the countdown line, a placeholder until the window's created handler writes it.
std::vector<std::uint8_t> CountdownLabelRecordBytes();
// Label 1: the product name.
std::vector<std::uint8_t> ProductLabelRecordBytes();

}  // namespace pellomi
