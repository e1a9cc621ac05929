#include "commands/value_to_text.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "commands/date_time.h"
#include "commands/date_time_texts.h"
#include "values/byte_array.h"
#include "values/memory_service.h"

namespace pellomi {
namespace {

constexpr char kTrue[] = "\xD5\xE6";   // 真
constexpr char kFalse[] = "\xBC\xD9";  // 假

template <typename... Args>
std::string Format(const char* format, Args... args) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, args...);
  return buffer;
}

// Rounds the magnitude to 6 significant digits with halves going up, which "%.6g" alone does not
// do (it rounds exact halves to even: 100000.5f would read "100000").
std::string FormatFloat(float value) {
  const double exact = value;
  if (!std::isfinite(exact) || exact == 0.0) return Format("%.6g", exact);
  // Every float has at most about 105 significant decimal digits, so this prints it exactly.
  char digits[160];
  std::snprintf(digits, sizeof digits, "%.120e", std::fabs(exact));
  long mantissa = 0;
  for (int i = 0; i < 7; ++i) {
    const char c = digits[i == 0 ? 0 : i + 1];  // skip the decimal point
    if (i < 6)
      mantissa = mantissa * 10 + (c - '0');
    else if (c >= '5')
      ++mantissa;
  }
  int exponent = std::atoi(std::strchr(digits, 'e') + 1) - 5;
  if (mantissa == 1000000) {
    mantissa = 100000;
    ++exponent;
  }
  const std::string rounded = Format("%lde%d", mantissa, exponent);
  const double magnitude = std::strtod(rounded.c_str(), nullptr);
  return Format("%.6g", value < 0 ? -magnitude : magnitude);
}

std::string FormatDateTime(DateTime value) {
  // Clamped first, so reading the fields cannot fail.
  const DateTimeFields f = *FieldsFromDateTime(ClampDateTime(value));
  using namespace date_texts;
  std::string text =
      Format("%d", f.year) + kYear + Format("%d", f.month) + kMonth + Format("%d", f.day) + kDay;
  if (f.second != 0) {
    text += Format("%d", f.hour) + kHour + Format("%d", f.minute) + kMinute +
            Format("%d", f.second) + kSecond;
  } else if (f.minute != 0) {
    text += Format("%d", f.hour) + kHour + Format("%d", f.minute) + kMinute;
  } else if (f.hour != 0) {
    text += Format("%d", f.hour) + kHour;
  }
  return text;
}

// Up to the first zero byte of a byte-array block's elements, or all of them.
std::string ArrayBytes(const void* block, std::size_t elementSize) {
  std::span<const std::uint8_t> elements = ByteArrayBlockElements(block, elementSize);
  if (elements.empty()) return {};
  const char* data = reinterpret_cast<const char*>(elements.data());
  const void* zero = std::memchr(data, 0, elements.size());
  return std::string(data,
                     zero != nullptr ? static_cast<const char*>(zero) : data + elements.size());
}

std::size_t NumericElementSize(std::uint32_t kind) {
  switch (static_cast<ValueKind>(kind)) {
    case ValueKind::kByte:
      return 1;
    case ValueKind::kShort:
      return 2;
    case ValueKind::kInteger:
    case ValueKind::kFloat:
      return 4;
    case ValueKind::kLong:
    case ValueKind::kDouble:
      return 8;
    default:
      return 0;
  }
}

std::string TextOf(const TypedValue& value) {
  if (value.kind & kArrayFlag) {
    const std::size_t elementSize = NumericElementSize(value.kind & ~kArrayFlag);
    return elementSize == 0 ? std::string() : ArrayBytes(value.AsPointer(), elementSize);
  }
  switch (static_cast<ValueKind>(value.kind)) {
    case ValueKind::kByte:
      return Format("%u", static_cast<unsigned>(value.Low() & 0xFF));
    case ValueKind::kShort:
      return Format("%d", static_cast<int>(static_cast<std::int16_t>(value.Low())));
    case ValueKind::kInteger:
      return Format("%d", static_cast<int>(value.AsInt()));
    case ValueKind::kLong:
      return Format("%" PRId64, static_cast<std::int64_t>(value.payload));
    case ValueKind::kFloat:
      return FormatFloat(value.AsFloat());
    case ValueKind::kDouble:
      return Format("%.13g", value.AsDouble());
    case ValueKind::kBoolean:
      return value.AsBool() ? kTrue : kFalse;
    case ValueKind::kDateTime:
      return FormatDateTime(value.AsDouble());
    case ValueKind::kText:
      return value.AsText() != nullptr ? value.AsText() : "";
    case ValueKind::kByteArray:
      return ArrayBytes(value.AsPointer(), 1);
    default:
      return {};
  }
}

}  // namespace

char* ValueToText(const TypedValue& value) {
  const std::string text = TextOf(value);
  if (text.empty()) return nullptr;
  char* block = static_cast<char*>(AllocateBlock(text.size() + 1));
  std::memcpy(block, text.c_str(), text.size() + 1);
  return block;
}

}  // namespace pellomi
