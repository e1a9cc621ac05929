#include "commands/text_to_date_time.h"

#include <cstddef>
#include <string_view>

#include "commands/date_time_texts.h"

namespace pellomi {
namespace {

struct FieldFormat {
  int maxDigits;
  std::string_view separators;     // single-byte separators that may follow the field
  std::string_view wideSeparator;  // the GBK character that may follow it, or empty
};

// Year, month, day, hour, minute, second. The space is a separator after the day only, so that
// a date and a time of day can be written apart.
constexpr FieldFormat kFields[6] = {
    {4, "/-:.", date_texts::kYear},   {2, "/-:.", date_texts::kMonth},
    {2, "/-: .", date_texts::kDay},   {2, "/-:.", date_texts::kHour},
    {2, "/-:.", date_texts::kMinute}, {2, "", ""},
};

class FieldScanner {
 public:
  explicit FieldScanner(std::string_view text) : text_(text) {}

  // No digits read as 0; digits past the maximum belong to the next field.
  unsigned ReadNumber(int maxDigits) {
    unsigned value = 0;
    for (int i = 0; i < maxDigits && pos_ < text_.size() && IsDigit(text_[pos_]); ++i, ++pos_) {
      value = value * 10 + static_cast<unsigned>(text_[pos_] - '0');
    }
    return value;
  }

  // Skips at most one separator; the next field starts here when none matches.
  void SkipSeparator(const FieldFormat& format) {
    if (pos_ >= text_.size()) return;
    if (format.separators.find(text_[pos_]) != std::string_view::npos) {
      ++pos_;
    } else if (!format.wideSeparator.empty() && StartsWith(format.wideSeparator)) {
      pos_ += format.wideSeparator.size();
    }
  }

  // The text must end after the seconds, or go on with "秒" (whatever follows it is ignored).
  bool AtValidEnd() const { return pos_ == text_.size() || StartsWith(date_texts::kSecond); }

 private:
  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
  bool StartsWith(std::string_view what) const { return text_.substr(pos_).starts_with(what); }

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

std::string FoldFullWidth(const char* text) {
  std::string folded;
  if (text == nullptr) return folded;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p != 0; ++p) {
    const unsigned char lead = *p;
    if (lead < 0x80) {
      folded.push_back(static_cast<char>(lead));
      continue;
    }
    const unsigned char trail = p[1];
    if (trail == 0) break;  // a lead byte cut off by the end of the text
    ++p;
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      folded.push_back(static_cast<char>(trail - 0x80));
    } else if (lead == 0xA1 && trail == 0xA1) {
      folded.push_back(' ');
    } else if (lead == 0xA1 && trail == 0xAB) {
      folded.push_back('~');
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      folded.push_back('*');
    } else {
      folded.push_back(static_cast<char>(lead));
      folded.push_back(static_cast<char>(trail));
    }
  }
  return folded;
}

DateTime TextToDateTime(const char* text) {
  const std::string folded = FoldFullWidth(text);
  if (folded.empty()) return kNoDateTime;

  FieldScanner scanner(folded);
  unsigned values[6];
  for (int i = 0; i < 6; ++i) {
    values[i] = scanner.ReadNumber(kFields[i].maxDigits);
    scanner.SkipSeparator(kFields[i]);
  }
  if (!scanner.AtValidEnd()) return kNoDateTime;

  const unsigned year = values[0], month = values[1], day = values[2];
  const unsigned hour = values[3], minute = values[4], second = values[5];
  // Nothing is corrected or carried: a two-digit year or a missing day is simply no date.
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > static_cast<unsigned>(DaysInMonth(year, month)) || hour > 23 || minute > 59 ||
      second > 59) {
    return kNoDateTime;
  }
  return DateTimeFromFields(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                            static_cast<std::uint16_t>(day), static_cast<std::uint16_t>(hour),
                            static_cast<std::uint16_t>(minute), static_cast<std::uint16_t>(second))
      .value_or(kNoDateTime);
}

DateTime TextToDateTime(const TypedValue& value) {
  if (value.Is(ValueKind::kDateTime)) return value.AsDouble();
  if (value.Is(ValueKind::kText)) return TextToDateTime(value.AsText());
  return kNoDateTime;
}

}  // namespace pellomi
