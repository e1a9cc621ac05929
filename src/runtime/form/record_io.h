#pragma once
// Little-endian, packed reading and writing of stored records. The reader never reads past its
// bytes: a short read marks it failed and yields zeros.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace pellomi {

class RecordWriter {
 public:
  void U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void Bool(bool v) { U32(v ? 1u : 0u); }
  void Raw(const void* data, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    out_.insert(out_.end(), p, p + size);
  }
  void Bytes(const std::vector<std::uint8_t>& bytes) {
    U32(static_cast<std::uint32_t>(bytes.size()));
    Raw(bytes.data(), bytes.size());
  }
  void Text(const std::string& text) {
    U32(static_cast<std::uint32_t>(text.size()));
    Raw(text.data(), text.size());
  }
  std::vector<std::uint8_t> Take() { return std::move(out_); }

 private:
  std::vector<std::uint8_t> out_;
};

class RecordReader {
 public:
  explicit RecordReader(const std::vector<std::uint8_t>& bytes)
      : data_(bytes.data()), size_(bytes.size()) {}
  RecordReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool Ok() const { return ok_; }
  std::size_t Remaining() const { return size_ - pos_; }

  std::uint32_t U32() {
    if (!Take(4)) return 0;
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= std::uint32_t{data_[pos_ - 4 + i]} << (8 * i);
    return v;
  }
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  bool Bool() { return U32() != 0; }
  // A length of 0 or less reads as empty; a length past the end fails the reader.
  std::vector<std::uint8_t> Bytes() {
    std::int32_t length = I32();
    if (length <= 0 || !Take(static_cast<std::size_t>(length))) return {};
    return std::vector<std::uint8_t>(data_ + pos_ - length, data_ + pos_);
  }
  std::string Text() {
    std::vector<std::uint8_t> bytes = Bytes();
    return std::string(bytes.begin(), bytes.end());
  }

 private:
  bool Take(std::size_t n) {
    if (!ok_ || n > size_ - pos_) {
      ok_ = false;
      return false;
    }
    pos_ += n;
    return true;
  }

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

}  // namespace pellomi
