#include "label/label_record_win.h"

#include <cstring>

namespace pellomi {

platform::UniqueGlobal SaveLabelRecordToGlobal(const LabelRecord& record, std::size_t* length) {
  if (length != nullptr) *length = 0;
  std::vector<std::uint8_t> stored = SaveLabelRecord(record);
  platform::UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, stored.size()));
  if (!block) return {};
  void* data = GlobalLock(block.Get());
  if (data == nullptr) return {};
  std::memcpy(data, stored.data(), stored.size());
  GlobalUnlock(block.Get());
  if (length != nullptr) *length = stored.size();
  return block;
}

}  // namespace pellomi
