#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "label/label_properties.h"

namespace pellomi {
namespace {

PropertyValue Int(std::int32_t v) {
  PropertyValue p;
  p.type = PropertyType::kInteger;
  p.integer = v;
  return p;
}

PropertyValue Text(std::string t) {
  PropertyValue p;
  p.type = PropertyType::kText;
  p.text = std::move(t);
  return p;
}

PropertyValue Font(std::vector<std::uint8_t> b) {
  PropertyValue p;
  p.type = PropertyType::kFont;
  p.bytes = std::move(b);
  return p;
}

std::int32_t Written(int index, std::int32_t value) {
  LabelRecord r;
  LabelPropertyChanged(r, index, Int(value));
  PropertyValue out;
  EXPECT_TRUE(GetLabelProperty(r, index, out));
  return out.integer;
}

TEST(LabelProperties, DeclaredTypes) {
  EXPECT_EQ(LabelPropertyType(0), PropertyType::kText);
  EXPECT_EQ(LabelPropertyType(1), PropertyType::kChoice);
  EXPECT_EQ(LabelPropertyType(2), PropertyType::kFont);
  EXPECT_EQ(LabelPropertyType(3), PropertyType::kColour);
  EXPECT_EQ(LabelPropertyType(4), PropertyType::kChoice);
  EXPECT_EQ(LabelPropertyType(5), PropertyType::kBoolean);
  EXPECT_EQ(LabelPropertyType(6), PropertyType::kChoice);
  EXPECT_EQ(LabelPropertyType(7), PropertyType::kNone);
  EXPECT_EQ(LabelPropertyType(-1), PropertyType::kNone);
}

TEST(LabelProperties, ChoicesAreClampedOnWrite) {
  EXPECT_EQ(Written(1, 7), 3);
  EXPECT_EQ(Written(1, -1), 0);
  EXPECT_EQ(Written(1, 2), 2);
  EXPECT_EQ(Written(4, 5), 2);
  EXPECT_EQ(Written(4, -3), 0);
  EXPECT_EQ(Written(4, 1), 1);
  EXPECT_EQ(Written(6, 5), 2);
  EXPECT_EQ(Written(6, -3), 0);
  EXPECT_EQ(Written(6, 0), 0);
}

TEST(LabelProperties, ColourAndWrapAreStoredUnchanged) {
  EXPECT_EQ(Written(3, 0x00FFFFFF), 0x00FFFFFF);
  EXPECT_EQ(Written(3, -1), -1);
  EXPECT_EQ(Written(5, 1), 1);
  EXPECT_EQ(Written(5, 9), 9);
}

TEST(LabelProperties, CaptionWriteAndRead) {
  LabelRecord r;
  LabelPropertyChanged(r, 0,
                       Text("\xBB\xB9\xD3\xD0"
                            "12\xCC\xEC"));
  EXPECT_EQ(r.caption,
            "\xBB\xB9\xD3\xD0"
            "12\xCC\xEC");
  PropertyValue out;
  ASSERT_TRUE(GetLabelProperty(r, 0, out));
  EXPECT_EQ(out.type, PropertyType::kText);
  EXPECT_EQ(out.text, r.caption);

  LabelPropertyChanged(r, 0, Text(""));
  EXPECT_EQ(r.caption, "");
  // The window text cannot hold a zero, so neither does the stored caption.
  LabelPropertyChanged(r, 0, Text(std::string("ab\0cd", 5)));
  EXPECT_EQ(r.caption, "ab");
}

TEST(LabelProperties, FontBlockIsReplacedOrEmptied) {
  LabelRecord r;
  std::vector<std::uint8_t> block(60, 0x11);
  LabelPropertyChanged(r, 2, Font(block));
  EXPECT_EQ(r.font, block);
  PropertyValue out;
  ASSERT_TRUE(GetLabelProperty(r, 2, out));
  EXPECT_EQ(out.type, PropertyType::kFont);
  EXPECT_EQ(out.bytes, block);

  LabelPropertyChanged(r, 2, Font({}));
  EXPECT_TRUE(r.font.empty());
  ASSERT_TRUE(GetLabelProperty(r, 2, out));
  EXPECT_TRUE(out.bytes.empty());
}

TEST(LabelProperties, IndicesOutsideTheKindChangeNothingAndReadNothing) {
  LabelRecord r;
  r.caption = "keep";
  const LabelRecord before = r;
  for (int index : {-1, 7, 8, 100}) {
    LabelPropertyChanged(r, index, Int(3));
    LabelPropertyChanged(r, index, Text("x"));
    EXPECT_EQ(r, before) << index;
    PropertyValue out;
    EXPECT_FALSE(GetLabelProperty(r, index, out)) << index;
  }
}

TEST(LabelProperties, ReadsGiveIntegersOfTheRecord) {
  const LabelRecord r{
      .effect = 2, .font = {}, .colour = 0x0000FF, .horizontal = 1, .wordWrap = 1, .vertical = 2};
  const std::int32_t expected[] = {0, 2, 0, 0x0000FF, 1, 1, 2};
  for (int index : {1, 3, 4, 5, 6}) {
    PropertyValue out;
    ASSERT_TRUE(GetLabelProperty(r, index, out));
    EXPECT_EQ(out.integer, expected[index]) << index;
    EXPECT_EQ(out.type, LabelPropertyType(index)) << index;
  }
}

}  // namespace
}  // namespace pellomi
