#include "label/label_record.h"

#include <cstring>

#include "form/byte_io.h"

namespace pellomi {

std::optional<LabelRecord> ReadLabelRecord(std::span<const std::uint8_t> stored) {
  ByteReader reader(stored);
  LabelRecord record;
  // Stored order differs from property order: vertical alignment comes before word wrap.
  const std::uint32_t version = reader.U32();
  if (!reader.Ok() || version > kLabelRecordVersion) return std::nullopt;
  record.effect = reader.I32();
  record.colour = reader.U32();
  record.horizontal = reader.I32();
  record.vertical = reader.I32();
  record.wordWrap = reader.I32();
  std::span<const std::uint8_t> font = reader.SizedBlock();
  std::span<const std::uint8_t> caption = reader.SizedBlock();
  if (!reader.Ok()) return std::nullopt;
  record.font.assign(font.begin(), font.end());
  // A zero byte inside the stored caption ends it.
  const void* zero = caption.empty() ? nullptr : std::memchr(caption.data(), 0, caption.size());
  std::size_t captionSize =
      zero == nullptr
          ? caption.size()
          : static_cast<std::size_t>(static_cast<const std::uint8_t*>(zero) - caption.data());
  record.caption.assign(reinterpret_cast<const char*>(caption.data()), captionSize);
  return record;
}

std::vector<std::uint8_t> SaveLabelRecord(const LabelRecord& record) {
  ByteWriter out;
  out.U32(kLabelRecordVersion);
  out.I32(record.effect);
  out.U32(record.colour);
  out.I32(record.horizontal);
  out.I32(record.vertical);
  out.I32(record.wordWrap);
  out.Bytes(record.font);
  out.Text(record.caption);
  return out.Take();
}

}  // namespace pellomi
