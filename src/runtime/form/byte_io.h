#pragma once
// Little-endian, packed reading and writing of stored bytes: window and label records, the
// stored font, icon files. The reader never reads past its bytes: a short read marks it failed
// and yields zeros or an empty block.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pellomi {

class ByteWriter {
 public:
  void U8(std::uint8_t v) { out_.push_back(v); }
  void U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void Bool(bool v) { U32(v ? 1u : 0u); }
  void Raw(std::span<const std::uint8_t> bytes) {
    out_.insert(out_.end(), bytes.begin(), bytes.end());
  }
  void Raw(const std::string& text) { out_.insert(out_.end(), text.begin(), text.end()); }
  // A 32-bit length, then the bytes.
  void Bytes(std::span<const std::uint8_t> bytes) {
    U32(static_cast<std::uint32_t>(bytes.size()));
    Raw(bytes);
  }
  void Text(const std::string& text) {
    U32(static_cast<std::uint32_t>(text.size()));
    Raw(text);
  }
  std::vector<std::uint8_t> Take() { return std::move(out_); }

 private:
  std::vector<std::uint8_t> out_;
};

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool Ok() const { return ok_; }
  std::size_t Remaining() const { return bytes_.size() - pos_; }

  // Moves to an absolute offset; one past the end fails the reader.
  void Seek(std::uint64_t offset) {
    if (!ok_ || offset > bytes_.size()) {
      ok_ = false;
      return;
    }
    pos_ = static_cast<std::size_t>(offset);
  }

  std::uint8_t U8() { return Take(1) ? bytes_[pos_ - 1] : 0; }
  std::uint16_t U16() {
    if (!Take(2)) return 0;
    return static_cast<std::uint16_t>(bytes_[pos_ - 2] | (bytes_[pos_ - 1] << 8));
  }
  std::uint32_t U32() {
    if (!Take(4)) return 0;
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= std::uint32_t{bytes_[pos_ - 4 + i]} << (8 * i);
    return v;
  }
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  bool Bool() { return U32() != 0; }

  // The next `size` bytes, viewed in place.
  std::span<const std::uint8_t> Block(std::uint64_t size) {
    if (size > Remaining() || !Take(static_cast<std::size_t>(size))) {
      ok_ = false;
      return {};
    }
    return bytes_.subspan(pos_ - static_cast<std::size_t>(size), static_cast<std::size_t>(size));
  }
  // A 32-bit length, then that many bytes; a length of 0 or less reads as empty.
  std::span<const std::uint8_t> SizedBlock() {
    std::int32_t length = I32();
    if (length <= 0) return {};
    return Block(static_cast<std::uint64_t>(length));
  }
  std::vector<std::uint8_t> Bytes() {
    std::span<const std::uint8_t> block = SizedBlock();
    return {block.begin(), block.end()};
  }
  std::string Text() {
    std::span<const std::uint8_t> block = SizedBlock();
    return {block.begin(), block.end()};
  }

 private:
  bool Take(std::size_t n) {
    if (!ok_ || n > bytes_.size() - pos_) {
      ok_ = false;
      return false;
    }
    pos_ += n;
    return true;
  }

  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

}  // namespace pellomi
