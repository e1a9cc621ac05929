#include "label/label_record.h"

#include <cstring>

namespace pellomi {
namespace {

// Walks the stored bytes; every read checks what is left first.
class StoredReader {
 public:
  explicit StoredReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool ReadU32(std::uint32_t& out) {
    if (bytes_.size() - offset_ < 4) return false;
    out = static_cast<std::uint32_t>(bytes_[offset_]) |
          static_cast<std::uint32_t>(bytes_[offset_ + 1]) << 8 |
          static_cast<std::uint32_t>(bytes_[offset_ + 2]) << 16 |
          static_cast<std::uint32_t>(bytes_[offset_ + 3]) << 24;
    offset_ += 4;
    return true;
  }
  bool ReadI32(std::int32_t& out) {
    std::uint32_t raw = 0;
    if (!ReadU32(raw)) return false;
    out = static_cast<std::int32_t>(raw);
    return true;
  }
  // A length of zero or less is an empty block.
  bool ReadBlock(std::int32_t length, std::span<const std::uint8_t>& out) {
    if (length <= 0) {
      out = {};
      return true;
    }
    std::size_t size = static_cast<std::size_t>(length);
    if (bytes_.size() - offset_ < size) return false;
    out = bytes_.subspan(offset_, size);
    offset_ += size;
    return true;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t offset_ = 0;
};

void AppendU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) {
    out.push_back(static_cast<std::uint8_t>(value >> shift));
  }
}

void AppendI32(std::vector<std::uint8_t>& out, std::int32_t value) {
  AppendU32(out, static_cast<std::uint32_t>(value));
}

}  // namespace

std::optional<LabelRecord> ReadLabelRecord(std::span<const std::uint8_t> stored) {
  StoredReader reader(stored);
  LabelRecord record;
  std::uint32_t version = 0;
  std::int32_t fontLength = 0;
  std::int32_t captionLength = 0;
  std::span<const std::uint8_t> font;
  std::span<const std::uint8_t> caption;
  // Stored order differs from property order: vertical alignment comes before word wrap.
  if (!reader.ReadU32(version) || version > kLabelRecordVersion) return std::nullopt;
  if (!reader.ReadI32(record.effect) || !reader.ReadU32(record.colour) ||
      !reader.ReadI32(record.horizontal) || !reader.ReadI32(record.vertical) ||
      !reader.ReadI32(record.wordWrap) || !reader.ReadI32(fontLength) ||
      !reader.ReadBlock(fontLength, font) || !reader.ReadI32(captionLength) ||
      !reader.ReadBlock(captionLength, caption)) {
    return std::nullopt;
  }
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
  std::vector<std::uint8_t> out;
  out.reserve(32 + record.font.size() + record.caption.size());
  AppendU32(out, kLabelRecordVersion);
  AppendI32(out, record.effect);
  AppendU32(out, record.colour);
  AppendI32(out, record.horizontal);
  AppendI32(out, record.vertical);
  AppendI32(out, record.wordWrap);
  AppendI32(out, static_cast<std::int32_t>(record.font.size()));
  out.insert(out.end(), record.font.begin(), record.font.end());
  AppendI32(out, static_cast<std::int32_t>(record.caption.size()));
  out.insert(out.end(), record.caption.begin(), record.caption.end());
  return out;
}

}  // namespace pellomi
