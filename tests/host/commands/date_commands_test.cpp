#include <gtest/gtest.h>

#include <cmath>

#include "commands/date_commands.h"
#include "commands/date_time.h"
#include "values/memory_service.h"

namespace pellomi {
namespace {

constexpr std::uint32_t Kind(ValueKind k) {
  return static_cast<std::uint32_t>(k);
}

TEST(DateCommands, TextToDateTimeGivesADateTime) {
  const TypedValue args[] = {TypedValue::Text("2024/06/07")};
  TypedValue result;
  TextToDateTimeCommand(1, args, &result);
  EXPECT_EQ(result.kind, Kind(ValueKind::kDateTime));
  EXPECT_EQ(result.AsDouble(), 45450.0);
  TextToDateTimeCommand(0, nullptr, &result);  // no argument: nothing to parse
  EXPECT_EQ(result.AsDouble(), kNoDateTime);
}

TEST(DateCommands, CurrentDateTimeGivesWholeSeconds) {
  TypedValue result;
  CurrentDateTimeCommand(0, nullptr, &result);
  EXPECT_EQ(result.kind, Kind(ValueKind::kDateTime));
  const auto f = FieldsFromDateTime(result.AsDouble());
  ASSERT_TRUE(f.has_value());
  EXPECT_EQ(*DateTimeFromFields(f->year, f->month, f->day, f->hour, f->minute, f->second),
            result.AsDouble());
}

TEST(DateCommands, DateTimeIntervalReadsPayloadsWhateverTheirKinds) {
  // Doubles passed as plain doubles, the unit in the low half with garbage above it.
  const TypedValue args[] = {TypedValue::OfDouble(45450.0),
                             TypedValue::DateTime(45448.25),
                             {0xDEADBEEF00000006ull, Kind(ValueKind::kLong)}};
  TypedValue result;
  DateTimeIntervalCommand(3, args, &result);
  EXPECT_EQ(result.kind, Kind(ValueKind::kDouble));
  EXPECT_EQ(result.AsDouble(), 42.0);
}

TEST(DateCommands, FloorWithToleranceGivesAnInteger) {
  const TypedValue args[] = {TypedValue::DateTime(-0.25)};
  TypedValue result;
  FloorWithToleranceCommand(1, args, &result);
  EXPECT_EQ(result.kind, Kind(ValueKind::kInteger));
  EXPECT_EQ(result.AsInt(), -1);
}

TEST(DateCommands, ValueToTextHandsOverANewText) {
  const TypedValue args[] = {TypedValue::Integer(-915)};
  TypedValue result;
  ValueToTextCommand(1, args, &result);
  EXPECT_EQ(result.kind, Kind(ValueKind::kText));
  EXPECT_STREQ(result.AsText(), "-915");
  ReleaseBlock(result.AsText());
  const TypedValue empty[] = {TypedValue::Text("")};
  ValueToTextCommand(1, empty, &result);
  EXPECT_EQ(result.AsText(), nullptr);
}

}  // namespace
}  // namespace pellomi
