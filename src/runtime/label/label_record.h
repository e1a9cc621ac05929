#pragma once
// The own data of a transparent label (its properties 8 to 14) and its stored form.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pellomi {

inline constexpr char kDefaultLabelCaption[] = "\xCD\xB8\xC3\xF7\xB1\xEA\xC7\xA9";  // 透明标签

// Highest stored-form version the label reads; it always writes this one.
inline constexpr std::uint32_t kLabelRecordVersion = 1;

struct LabelRecord {
  std::string caption = kDefaultLabelCaption;  // GBK
  std::int32_t effect = 0;                     // 0 none, 1..3 light or dark copy
  std::vector<std::uint8_t> font;              // a 60-byte LOGFONTA, or empty
  std::uint32_t colour = 0;                    // COLORREF 0x00BBGGRR
  std::int32_t horizontal = 0;                 // 0 left, 1 center, 2 right
  std::int32_t wordWrap = 0;                   // 1 wraps; anything else draws one line
  std::int32_t vertical = 1;                   // 0 top, 1 middle, 2 bottom

  bool operator==(const LabelRecord&) const = default;
};

// Reads the stored form. None for a later version and for any record whose fixed fields or
// declared lengths do not fit in the given bytes, so a damaged template never reads past its end.
std::optional<LabelRecord> ReadLabelRecord(std::span<const std::uint8_t> stored);

// Writes the stored form, version 1.
std::vector<std::uint8_t> SaveLabelRecord(const LabelRecord& record);

}  // namespace pellomi
