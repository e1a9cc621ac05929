// Well-formed values of every kind, arrays with any element count among them, written as text:
// no read outside a value's block, and each text says what its value holds.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "commands/date_time.h"
#include "commands/text_to_date_time.h"
#include "commands/value_to_text.h"
#include "values/memory_service.h"
#include "values/typed_value.h"

#include "fuzz_check.h"

namespace {

using pellomi::TypedValue;
using pellomi::ValueKind;

constexpr std::uint32_t Code(ValueKind kind) {
  return static_cast<std::uint32_t>(kind);
}

constexpr std::uint32_t kKinds[] = {
    Code(ValueKind::kAbsent),  Code(ValueKind::kByte),      Code(ValueKind::kShort),
    Code(ValueKind::kInteger), Code(ValueKind::kLong),      Code(ValueKind::kFloat),
    Code(ValueKind::kDouble),  Code(ValueKind::kBoolean),   Code(ValueKind::kDateTime),
    Code(ValueKind::kText),    Code(ValueKind::kByteArray), 0x80000006u /* unit reference */};

// Bytes per element of an array; kinds without a numeric element get pointer-sized slots.
std::size_t ElementSize(std::uint32_t kind) {
  switch (kind) {
    case Code(ValueKind::kByte):
      return 1;
    case Code(ValueKind::kShort):
      return 2;
    case Code(ValueKind::kInteger):
    case Code(ValueKind::kFloat):
      return 4;
    case Code(ValueKind::kLong):
    case Code(ValueKind::kDouble):
      return 8;
    default:
      return 0;
  }
}

// A block of a dimension count, an element count and exactly that many elements.
std::vector<std::uint8_t> ArrayBlock(FuzzedDataProvider& input, std::size_t elementSize) {
  const std::uint32_t dimensions =
      input.ConsumeBool() ? 1u : input.ConsumeIntegral<std::uint32_t>();
  const std::int32_t count = input.ConsumeIntegralInRange<std::int32_t>(-4, 4096);
  const std::size_t held = count > 0 ? static_cast<std::size_t>(count) * elementSize : 0;
  std::vector<std::uint8_t> block(8 + held);
  std::memcpy(block.data(), &dimensions, 4);
  std::memcpy(block.data() + 4, &count, 4);
  const std::vector<std::uint8_t> elements = input.ConsumeBytes<std::uint8_t>(held);
  if (!elements.empty()) std::memcpy(block.data() + 8, elements.data(), elements.size());
  return block;
}

std::string UpToZero(const std::uint8_t* bytes, std::size_t size) {
  const void* zero = std::memchr(bytes, 0, size);
  const std::size_t n = zero == nullptr ? size : static_cast<const std::uint8_t*>(zero) - bytes;
  return std::string(reinterpret_cast<const char*>(bytes), n);
}

// What the text must read as, when the kind says it precisely.
// A finite number's text reads back within `relative` of it.
void CheckDecimalText(double number, const std::string& text, double relative, const char* what) {
  if (!std::isfinite(number)) return;
  const double read = std::strtod(text.c_str(), nullptr);
  Check(std::fabs(read - number) <= std::fabs(number) * relative, what);
}

void CheckScalarText(const TypedValue& value, const std::string& text) {
  switch (static_cast<ValueKind>(value.kind)) {
    case ValueKind::kByte:
      Check(std::strtoll(text.c_str(), nullptr, 10) == (value.Low() & 0xFF), "byte text");
      break;
    case ValueKind::kShort:
      Check(std::strtoll(text.c_str(), nullptr, 10) == static_cast<std::int16_t>(value.Low()),
            "short text");
      break;
    case ValueKind::kInteger:
      Check(std::strtoll(text.c_str(), nullptr, 10) == value.AsInt(), "integer text");
      break;
    case ValueKind::kLong:
      Check(std::strtoll(text.c_str(), nullptr, 10) == static_cast<std::int64_t>(value.payload),
            "long text");
      break;
    case ValueKind::kFloat:
      CheckDecimalText(value.AsFloat(), text, 6e-6, "float text");
      break;
    case ValueKind::kDouble:
      CheckDecimalText(value.AsDouble(), text, 1e-12, "double text");
      break;
    case ValueKind::kBoolean:
      Check(text == (value.AsBool() ? "\xD5\xE6" : "\xBC\xD9"), "boolean text");
      break;
    case ValueKind::kDateTime: {
      // The date text reads back as the clamped value moved to its nearest second.
      const auto f = *pellomi::FieldsFromDateTime(pellomi::ClampDateTime(value.AsDouble()));
      const auto expected =
          pellomi::DateTimeFromFields(f.year, f.month, f.day, f.hour, f.minute, f.second);
      Check(expected.has_value(), "date fields out of range");
      Check(pellomi::TextToDateTime(text.c_str()) == *expected, "date text reads differently");
      break;
    }
    default:
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  std::uint32_t kind =
      input.ConsumeBool() ? input.PickValueInArray(kKinds) : input.ConsumeIntegral<std::uint32_t>();
  if (input.ConsumeBool()) kind |= pellomi::kArrayFlag;

  TypedValue value;
  value.kind = kind;
  std::vector<std::uint8_t> block;
  std::string textStorage;
  std::string expected;
  bool exact = false;  // `expected` is the whole answer
  const bool absent = input.ConsumeIntegralInRange(0, 15) == 0;

  if (kind & pellomi::kArrayFlag) {
    const std::size_t elementSize = ElementSize(kind & ~pellomi::kArrayFlag);
    block = ArrayBlock(input, elementSize == 0 ? 8 : elementSize);
    value.payload = absent ? 0 : reinterpret_cast<std::uintptr_t>(block.data());
    exact = true;
    std::int32_t count;
    std::memcpy(&count, block.data() + 4, 4);
    if (!absent && elementSize != 0 && count > 0) {
      expected = UpToZero(block.data() + 8, static_cast<std::size_t>(count) * elementSize);
    }
  } else if (kind == Code(ValueKind::kByteArray)) {
    block = ArrayBlock(input, 1);
    value.payload = absent ? 0 : reinterpret_cast<std::uintptr_t>(block.data());
    exact = true;
    std::int32_t count;
    std::memcpy(&count, block.data() + 4, 4);
    if (!absent && count > 0)
      expected = UpToZero(block.data() + 8, static_cast<std::size_t>(count));
  } else if (kind == Code(ValueKind::kText)) {
    textStorage = input.ConsumeRandomLengthString(256);
    value.payload = absent ? 0 : reinterpret_cast<std::uintptr_t>(textStorage.c_str());
    exact = true;
    if (!absent) expected = textStorage.c_str();
  } else {
    value.payload = input.ConsumeIntegral<std::uint64_t>();
    if (std::find(std::begin(kKinds) + 1, std::end(kKinds) - 1, kind) == std::end(kKinds) - 1) {
      exact = true;  // absent, unit reference or unknown: no text
    }
  }
  // The block or text is copied to an exact-size heap allocation so that ASan sees any overread.
  std::uint8_t* heapBlock = nullptr;
  if (value.payload != 0 && kind == Code(ValueKind::kText)) {
    const std::size_t length = std::strlen(textStorage.c_str());
    heapBlock = static_cast<std::uint8_t*>(std::malloc(length + 1));
    std::memcpy(heapBlock, textStorage.c_str(), length + 1);
    value.payload = reinterpret_cast<std::uintptr_t>(heapBlock);
  } else if (value.payload != 0 && !block.empty()) {
    heapBlock = static_cast<std::uint8_t*>(std::malloc(block.size()));
    std::memcpy(heapBlock, block.data(), block.size());
    value.payload = reinterpret_cast<std::uintptr_t>(heapBlock);
  }

  char* text = pellomi::ValueToText(value);
  if (text != nullptr) {
    Check(text[0] != '\0', "an empty text is not absent");
  }
  const std::string result = text != nullptr ? text : "";
  if (exact) {
    Check(result == expected, "text differs from the value's bytes");
  } else {
    Check(text != nullptr, "a scalar value gave no text");
    CheckScalarText(value, result);
  }
  pellomi::ReleaseBlock(text);
  std::free(heapBlock);
  return 0;
}
