#include "label/label_record_win.h"

#include <cstring>

namespace pellomi {

HGLOBAL SaveLabelRecordToGlobal(const LabelRecord& record, std::size_t* length) {
  if (length != nullptr) *length = 0;
  std::vector<std::uint8_t> stored = SaveLabelRecord(record);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, stored.size());
  if (block == nullptr) return nullptr;
  void* data = GlobalLock(block);
  if (data == nullptr) {
    GlobalFree(block);
    return nullptr;
  }
  std::memcpy(data, stored.data(), stored.size());
  GlobalUnlock(block);
  if (length != nullptr) *length = stored.size();
  return block;
}

}  // namespace pellomi
