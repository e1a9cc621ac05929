// Inputs the fuzz targets tripped over, kept as plain tests, and the targets' seed corpora run
// through the same readers under this build's sanitizers.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "commands/date_time.h"
#include "commands/text_to_date_time.h"
#include "commands/value_to_text.h"
#include "label/label_record.h"
#include "tray/ico_reader.h"
#include "values/memory_service.h"
#include "values/typed_value.h"

namespace pellomi {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<Bytes> Corpus(const std::string& target) {
  std::vector<Bytes> inputs;
  const std::filesystem::path folder =
      std::filesystem::path(PELLOMI_SOURCE_DIR) / "tests/fuzz/corpus" / target;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::ifstream in(entry.path(), std::ios::binary);
    inputs.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return inputs;
}

std::string Text(const char* text) {
  char* block = ValueToText(TypedValue::DateTime(TextToDateTime(text)));
  std::string out = block != nullptr ? block : "";
  ReleaseBlock(block);
  return out;
}

// Found by the date target: before day 0 the time of day counts away from zero, so the first
// day's hours lie below the smallest date; they are kept as parsed and clamped only when read.
TEST(FuzzRegressions, HoursOfTheFirstDayLieBelowTheSmallestDate) {
  const DateTime oneOClock = TextToDateTime("0100/01011");  // 0100-01-01 01:00:00
  EXPECT_DOUBLE_EQ(oneOClock, kMinDateTime - 1.0 / 24.0);
  EXPECT_NE(oneOClock, kNoDateTime);
  EXPECT_EQ(TextToDateTime("0100/01/01 01:00"), oneOClock);
  // "100年1月1日": the clamped date, without the hour.
  EXPECT_EQ(Text("0100/01011"),
            "100\xC4\xEA"
            "1\xD4\xC2"
            "1\xC8\xD5");
  EXPECT_EQ(DateTimeInterval(oneOClock, kMinDateTime, kIntervalDays), 0.0);
  // The last second of the calendar is the other end: above the largest date, read as it.
  EXPECT_GT(TextToDateTime("9999/12/31 23:59:59"), kMaxDateTime);
  EXPECT_EQ(Text("9999/12/31 23:59:59"),
            "9999\xC4\xEA"
            "12\xD4\xC2"
            "31\xC8\xD5");
}

// An array block whose element count is zero or negative holds nothing past its header; the
// value target builds such blocks, and here they are exactly that size.
TEST(FuzzRegressions, ArraysWithoutElementsGiveNoText) {
  for (std::int32_t count : {0, -1, -2147483647 - 1}) {
    auto* block = static_cast<std::int32_t*>(std::malloc(8));  // header only, nothing after it
    block[0] = 1;
    block[1] = count;
    for (std::uint32_t kind : {0x80000005u, 0x80000101u | kArrayFlag, 0x80000601u | kArrayFlag}) {
      TypedValue value = TypedValue::Pointer(block, ValueKind::kByteArray);
      value.kind = kind;
      EXPECT_EQ(ValueToText(value), nullptr) << count << " " << std::hex << kind;
    }
    std::free(block);
  }
}

TEST(FuzzSeeds, DateTextsStayInTheCalendarAndFoldStably) {
  const auto inputs = Corpus("fuzz_text_to_date_time");
  ASSERT_GE(inputs.size(), 5u);
  for (const Bytes& input : inputs) {
    const std::string text(input.begin(), input.end());
    const std::string folded = FoldFullWidth(text.c_str());
    EXPECT_EQ(FoldFullWidth(folded.c_str()), folded) << text;
    const DateTime value = TextToDateTime(text.c_str());
    EXPECT_EQ(TextToDateTime(folded.c_str()), value) << text;
    EXPECT_GT(value, kMinDateTime - 1.0) << text;
    EXPECT_LT(value, kMaxDateTime + 1.0) << text;
  }
}

TEST(FuzzSeeds, IconPlansStayInsideTheirFile) {
  const auto inputs = Corpus("fuzz_ico_reader");
  ASSERT_GE(inputs.size(), 3u);
  int planned = 0;
  for (const Bytes& input : inputs) {
    for (int wanted : {16, 32, 256}) {
      const auto plan = PlanIconFromIco(input.data(), input.size(), wanted);
      if (!plan) continue;
      ++planned;
      EXPECT_GE(plan->image, input.data());
      EXPECT_LE(plan->image + plan->size, input.data() + input.size());
      EXPECT_GE(plan->size, kBitmapInfoHeaderSize);
    }
  }
  EXPECT_GT(planned, 0);  // the seeds include real icons, not only broken ones
}

TEST(FuzzSeeds, AcceptedLabelRecordsSurviveSavingAndReading) {
  const auto inputs = Corpus("fuzz_label_record");
  ASSERT_GE(inputs.size(), 3u);
  int accepted = 0;
  for (const Bytes& input : inputs) {
    const auto record = ReadLabelRecord(input);
    if (!record) continue;
    ++accepted;
    const auto again = ReadLabelRecord(SaveLabelRecord(*record));
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(*again, *record);
  }
  EXPECT_GT(accepted, 0);
  EXPECT_LT(accepted, static_cast<int>(inputs.size()));  // and some the reader must refuse
}

}  // namespace
}  // namespace pellomi
