#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

#include "commands/date_time.h"
#include "commands/text_to_date_time.h"

namespace pellomi {
namespace {

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return DateTimeFromFields(y, mo, d, h, mi, s).value_or(std::nan(""));
}

TEST(TextToDateTime, AcceptsTheUsualDateForms) {
  const char* forms[] = {
      "2024/06/07",
      "2024/6/7",
      "2024-06-07",
      "2024.06.07",
      "2024:06:07",
      "2024\xC4\xEA"
      "6\xD4\xC2"
      "7\xC8\xD5",  // 2024年6月7日
      "20240607",
      "\xA3\xB2\xA3\xB0\xA3\xB2\xA3\xB4\xA3\xAF\xA3\xB0\xA3\xB6\xA3\xAF\xA3\xB0\xA3"
      "\xB7",  // ２０２４／０６／０７
      "2024/06/07 ",
  };
  for (const char* text : forms) EXPECT_EQ(TextToDateTime(text), 45450.0) << text;
}

TEST(TextToDateTime, ReadsTimesOfDay) {
  EXPECT_EQ(TextToDateTime("2024-6-7 8:05"), At(2024, 6, 7, 8, 5));
  EXPECT_EQ(TextToDateTime("2024\xC4\xEA"
                           "6\xD4\xC2"
                           "7\xC8\xD5"
                           "8\xCA\xB1"),  // 2024年6月7日8时
            At(2024, 6, 7, 8));
  EXPECT_EQ(TextToDateTime("202406071230"), At(2024, 6, 7, 12, 30));
  EXPECT_EQ(TextToDateTime("2024-06-07 08:05:09\xC3\xEBlater"),  // 秒later
            At(2024, 6, 7, 8, 5, 9));
  EXPECT_EQ(TextToDateTime("2024/06/07 12:00"), 45450.5);
  EXPECT_EQ(TextToDateTime("2024/02/29"), 45351.0);
}

TEST(TextToDateTime, RejectsWhatIsNoDate) {
  const char* texts[] = {
      "24/06/07",
      "2024/06",
      "2024/13/01",
      "2023/02/29",
      "1900/02/29",
      "2024/06/31",
      "2024/06/07 24:00",
      "2024/06/07 12:60",
      "2024/06/07x",
      "",
      " 2024/06/07",
      "2024/06/07  ",
      "2024\xC4\xEA"
      "6\xD4\xC2"
      "7\xC8\xD5 8\xCA\xB1",  // 2024年6月7日 8时
      "\xA3",
  };
  for (const char* text : texts) EXPECT_EQ(TextToDateTime(text), kNoDateTime) << text;
  EXPECT_EQ(TextToDateTime(static_cast<const char*>(nullptr)), kNoDateTime);
  // The failure value is exactly 0100-01-01 00:00:00.
  EXPECT_EQ(std::bit_cast<std::uint64_t>(TextToDateTime("2024/06")), 0xC124103400000000ull);
}

TEST(TextToDateTime, KeepsTheEndsOfTheRange) {
  EXPECT_EQ(TextToDateTime("0100/01/01"), -657434.0);
  // Later than the last whole day: kept as parsed.
  EXPECT_DOUBLE_EQ(TextToDateTime("9999/12/31 23:59:59"), 2958465.999988426);
  EXPECT_GT(TextToDateTime("9999/12/31 23:59:59"), kMaxDateTime);
  EXPECT_EQ(TextToDateTime("0099/12/31"), kNoDateTime);
  EXPECT_EQ(TextToDateTime("10000/01/01"), kNoDateTime);
}

TEST(TextToDateTime, TakesTypedValues) {
  EXPECT_EQ(TextToDateTime(TypedValue::Text("2024/06/07")), 45450.0);
  // A date-time passes unchanged, even beyond the range.
  EXPECT_EQ(TextToDateTime(TypedValue::DateTime(3e6 + 0.25)), 3e6 + 0.25);
  EXPECT_EQ(TextToDateTime(TypedValue::Text(nullptr)), kNoDateTime);
  EXPECT_EQ(TextToDateTime(TypedValue::Integer(45450)), kNoDateTime);
  EXPECT_EQ(TextToDateTime(TypedValue::OfDouble(45450.0)), kNoDateTime);
  EXPECT_EQ(TextToDateTime(TypedValue::Absent()), kNoDateTime);
}

TEST(FoldFullWidth, TurnsFullWidthFormsIntoAscii) {
  EXPECT_EQ(FoldFullWidth("\xA3\xA1\xA3\xB0\xA3\xFE"), "!0~");
  EXPECT_EQ(FoldFullWidth("a\xA1\xA1"
                          "b\xA1\xAB\xA1\xEE\xA1\xEF"),
            "a b~**");
  // Other two-byte characters stay, including 0xA3 with a trail outside the full-width forms.
  EXPECT_EQ(FoldFullWidth("\xC4\xEA\xA3\xA0"), "\xC4\xEA\xA3\xA0");
  // A lead byte cut off by the end of the text is dropped.
  EXPECT_EQ(FoldFullWidth("12\xC4"), "12");
  EXPECT_EQ(FoldFullWidth(nullptr), "");
}

TEST(TextToDateTime, AcceptsFoldedSeparators) {
  // An ideographic space after the day, full-width colons in the time.
  EXPECT_EQ(TextToDateTime("2024/06/07\xA1\xA1"
                           "08\xA3\xBA"
                           "05"),
            At(2024, 6, 7, 8, 5));
}

}  // namespace
}  // namespace pellomi
