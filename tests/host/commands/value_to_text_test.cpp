#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commands/date_time.h"
#include "commands/value_to_text.h"
#include "values/memory_service.h"

namespace pellomi {
namespace {

// The text of a value, or nullopt for an absent text; the block is released.
std::optional<std::string> TextOf(const TypedValue& value) {
  char* text = ValueToText(value);
  if (text == nullptr) return std::nullopt;
  std::string copy = text;
  ReleaseBlock(text);
  return copy;
}

TypedValue Raw(std::uint64_t payload, ValueKind kind) {
  return {payload, static_cast<std::uint32_t>(kind)};
}

TypedValue OfFloat(float f) {
  std::uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  return Raw(bits, ValueKind::kFloat);
}

// A runtime array block: dimension count 1, element count, then the elements.
std::vector<unsigned char> ArrayBlock(const void* elements, std::int32_t count,
                                      std::size_t elementSize) {
  std::vector<unsigned char> block(8 + count * elementSize);
  const std::int32_t dimensions = 1;
  std::memcpy(block.data(), &dimensions, 4);
  std::memcpy(block.data() + 4, &count, 4);
  std::memcpy(block.data() + 8, elements, count * elementSize);
  return block;
}

TEST(ValueToText, Integers) {
  EXPECT_EQ(TextOf(TypedValue::Integer(0)), "0");
  EXPECT_EQ(TextOf(TypedValue::Integer(-915)), "-915");
  EXPECT_EQ(TextOf(TypedValue::Integer(INT32_MIN)), "-2147483648");
  EXPECT_EQ(TextOf(Raw(0xFFFFFFFF000001FFull, ValueKind::kByte)), "255");
  EXPECT_EQ(TextOf(Raw(0x1FFFF, ValueKind::kShort)), "-1");
  EXPECT_EQ(TextOf(Raw(static_cast<std::uint64_t>(-1234567890123LL), ValueKind::kLong)),
            "-1234567890123");
}

TEST(ValueToText, FloatsRoundHalvesUpToSixDigits) {
  EXPECT_EQ(TextOf(OfFloat(0.1f)), "0.1");
  EXPECT_EQ(TextOf(OfFloat(-2.5f)), "-2.5");
  EXPECT_EQ(TextOf(OfFloat(3.14159265f)), "3.14159");
  EXPECT_EQ(TextOf(OfFloat(0.0f)), "0");
  // Exact halves, which plain "%.6g" would round to even.
  EXPECT_EQ(TextOf(OfFloat(100000.5f)), "100001");
  EXPECT_EQ(TextOf(OfFloat(-100000.5f)), "-100001");
  EXPECT_EQ(TextOf(OfFloat(1234565.0f)), "1.23457e+06");
  EXPECT_EQ(TextOf(OfFloat(999999.5f)), "1e+06");
  EXPECT_EQ(TextOf(OfFloat(1.5e-7f)), "1.5e-07");
}

TEST(ValueToText, DoublesUseThirteenDigits) {
  EXPECT_EQ(TextOf(TypedValue::OfDouble(0.1)), "0.1");
  EXPECT_EQ(TextOf(TypedValue::OfDouble(1.0 / 3)), "0.3333333333333");
  EXPECT_EQ(TextOf(TypedValue::OfDouble(-702884.0)), "-702884");
  EXPECT_EQ(TextOf(TypedValue::OfDouble(1e20)), "1e+20");
}

TEST(ValueToText, Booleans) {
  EXPECT_EQ(TextOf(TypedValue::Boolean(true)), "\xD5\xE6");   // 真
  EXPECT_EQ(TextOf(TypedValue::Boolean(false)), "\xBC\xD9");  // 假
  EXPECT_EQ(TextOf(Raw(2, ValueKind::kBoolean)), "\xD5\xE6");
}

TEST(ValueToText, DateTimesShowOnlyTheNonZeroTail) {
  auto at = [](int y, int mo, int d, int h, int mi, int s) {
    return TypedValue::DateTime(*DateTimeFromFields(y, mo, d, h, mi, s));
  };
  EXPECT_EQ(TextOf(TypedValue::DateTime(45450.0)),
            "2024\xC4\xEA"
            "6\xD4\xC2"
            "7\xC8\xD5");  // 2024年6月7日
  EXPECT_EQ(TextOf(TypedValue::DateTime(45450.5)),
            "2024\xC4\xEA"
            "6\xD4\xC2"
            "7\xC8\xD5"
            "12\xCA\xB1");  // 2024年6月7日12时
  EXPECT_EQ(TextOf(at(2024, 6, 7, 13, 0, 5)),
            "2024\xC4\xEA"
            "6\xD4\xC2"
            "7\xC8\xD5"
            "13\xCA\xB1"
            "0\xB7\xD6"
            "5\xC3\xEB");
  EXPECT_EQ(TextOf(at(2024, 6, 7, 8, 5, 0)),
            "2024\xC4\xEA"
            "6\xD4\xC2"
            "7\xC8\xD5"
            "8\xCA\xB1"
            "5\xB7\xD6");  // 2024年6月7日8时5分
  EXPECT_EQ(TextOf(TypedValue::DateTime(-1.25)),
            "1899\xC4\xEA"
            "12\xD4\xC2"
            "29\xC8\xD5"
            "6\xCA\xB1");  // 1899年12月29日6时
}

TEST(ValueToText, DateTimesOutsideTheRangeAreClamped) {
  EXPECT_EQ(TextOf(TypedValue::DateTime(2958465.999988426)),
            "9999\xC4\xEA"
            "12\xD4\xC2"
            "31\xC8\xD5");  // 9999年12月31日
  EXPECT_EQ(TextOf(TypedValue::DateTime(-1e9)),
            "100\xC4\xEA"
            "1\xD4\xC2"
            "1\xC8\xD5");  // 100年1月1日
}

TEST(ValueToText, TextsAreCopied) {
  const char original[] = "abc";
  char* copy = ValueToText(TypedValue::Text(original));
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, original);
  EXPECT_STREQ(copy, "abc");
  ReleaseBlock(copy);
  EXPECT_EQ(TextOf(TypedValue::Text("")), std::nullopt);
  EXPECT_EQ(TextOf(TypedValue::Text(nullptr)), std::nullopt);
}

TEST(ValueToText, ByteArraysStopAtTheFirstZero) {
  const auto withZero = ArrayBlock("ab\0cd", 5, 1);
  EXPECT_EQ(TextOf(TypedValue::Pointer(withZero.data(), ValueKind::kByteArray)), "ab");
  // No zero byte and no terminator after the elements: exactly the elements.
  const auto noZero = ArrayBlock("xyz", 3, 1);
  EXPECT_EQ(TextOf(TypedValue::Pointer(noZero.data(), ValueKind::kByteArray)), "xyz");
  const auto empty = ArrayBlock("", 0, 1);
  EXPECT_EQ(TextOf(TypedValue::Pointer(empty.data(), ValueKind::kByteArray)), std::nullopt);
  EXPECT_EQ(TextOf(TypedValue::Pointer(nullptr, ValueKind::kByteArray)), std::nullopt);
}

TEST(ValueToText, NumericArraysGiveTheirRawBytes) {
  const std::int32_t ints[] = {0x64636261, 0x00006665};  // "abcd", "ef"
  const auto intBlock = ArrayBlock(ints, 2, 4);
  const TypedValue intArray{reinterpret_cast<std::uintptr_t>(intBlock.data()),
                            static_cast<std::uint32_t>(ValueKind::kInteger) | kArrayFlag};
  EXPECT_EQ(TextOf(intArray), "abcdef");

  const std::int16_t shorts[] = {0x6968, 0x6B6A, 0x6D6C};  // "hijklm"
  const auto shortBlock = ArrayBlock(shorts, 3, 2);
  const TypedValue shortArray{reinterpret_cast<std::uintptr_t>(shortBlock.data()),
                              static_cast<std::uint32_t>(ValueKind::kShort) | kArrayFlag};
  EXPECT_EQ(TextOf(shortArray), "hijklm");

  const std::uint64_t longs[] = {0x4847464544434241ull};  // "ABCDEFGH"
  const auto longBlock = ArrayBlock(longs, 1, 8);
  const TypedValue doubleArray{reinterpret_cast<std::uintptr_t>(longBlock.data()),
                               static_cast<std::uint32_t>(ValueKind::kDouble) | kArrayFlag};
  EXPECT_EQ(TextOf(doubleArray), "ABCDEFGH");
}

TEST(ValueToText, KindsWithoutTextGiveAbsent) {
  EXPECT_EQ(TextOf(TypedValue::Absent()), std::nullopt);
  EXPECT_EQ(TextOf(TypedValue::UnitRef(0x52010001, 0x16012b12, 0x00010005)), std::nullopt);
  const char* texts[] = {"a", "b"};
  const auto textBlock = ArrayBlock(texts, 2, sizeof(char*));
  const TypedValue textArray{reinterpret_cast<std::uintptr_t>(textBlock.data()),
                             static_cast<std::uint32_t>(ValueKind::kText) | kArrayFlag};
  EXPECT_EQ(TextOf(textArray), std::nullopt);
  const TypedValue boolArray{reinterpret_cast<std::uintptr_t>(textBlock.data()),
                             static_cast<std::uint32_t>(ValueKind::kBoolean) | kArrayFlag};
  EXPECT_EQ(TextOf(boolArray), std::nullopt);
}

}  // namespace
}  // namespace pellomi
