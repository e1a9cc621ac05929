// Arbitrary bytes as a label's stored record: reading never leaves the bytes, and an accepted
// record survives being saved and read again.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>

#include "label/label_record.h"

#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pellomi;
  std::uint8_t* copy = static_cast<std::uint8_t*>(std::malloc(size == 0 ? 1 : size));
  if (size != 0) std::memcpy(copy, data, size);
  const auto record = ReadLabelRecord(std::span<const std::uint8_t>(copy, size));
  if (record) {
    Check(record->caption.find('\0') == std::string::npos, "caption holds a zero byte");
    Check(record->font.size() + record->caption.size() + 32 <= size, "record larger than input");
    const auto saved = SaveLabelRecord(*record);
    Check(saved.size() == 32 + record->font.size() + record->caption.size(),
          "saved form has the wrong length");
    const auto again = ReadLabelRecord(saved);
    Check(again.has_value(), "saved record is rejected");
    Check(*again == *record, "saved record reads back differently");
    Check(SaveLabelRecord(*again) == saved, "saving is not stable");
  }
  std::free(copy);
  return 0;
}
