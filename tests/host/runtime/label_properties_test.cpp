#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "label/label_properties.h"

namespace pellomi {
namespace {

constexpr int Index(LabelProperty property) {
  return static_cast<int>(property);
}
constexpr int kCaption = Index(LabelProperty::kCaption);
constexpr int kTextEffect = Index(LabelProperty::kTextEffect);
constexpr int kLabelFont = Index(LabelProperty::kLabelFont);
constexpr int kTextColour = Index(LabelProperty::kTextColour);
constexpr int kHorizontalAlign = Index(LabelProperty::kHorizontalAlign);
constexpr int kWordWrap = Index(LabelProperty::kWordWrap);
constexpr int kVerticalAlign = Index(LabelProperty::kVerticalAlign);

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
  EXPECT_EQ(LabelPropertyType(8), PropertyType::kText);
  EXPECT_EQ(LabelPropertyType(9), PropertyType::kChoice);
  EXPECT_EQ(LabelPropertyType(10), PropertyType::kFont);
  EXPECT_EQ(LabelPropertyType(11), PropertyType::kColour);
  EXPECT_EQ(LabelPropertyType(12), PropertyType::kChoice);
  EXPECT_EQ(LabelPropertyType(13), PropertyType::kBoolean);
  EXPECT_EQ(LabelPropertyType(14), PropertyType::kChoice);
  EXPECT_EQ(LabelPropertyType(15), PropertyType::kNone);
  EXPECT_EQ(LabelPropertyType(7), PropertyType::kNone);
}

TEST(LabelProperties, ChoicesAreClampedOnWrite) {
  EXPECT_EQ(Written(kTextEffect, 7), 3);
  EXPECT_EQ(Written(kTextEffect, -1), 0);
  EXPECT_EQ(Written(kTextEffect, 2), 2);
  EXPECT_EQ(Written(kHorizontalAlign, 5), 2);
  EXPECT_EQ(Written(kHorizontalAlign, -3), 0);
  EXPECT_EQ(Written(kHorizontalAlign, 1), 1);
  EXPECT_EQ(Written(kVerticalAlign, 5), 2);
  EXPECT_EQ(Written(kVerticalAlign, -3), 0);
  EXPECT_EQ(Written(kVerticalAlign, 0), 0);
}

TEST(LabelProperties, ColourAndWrapAreStoredUnchanged) {
  EXPECT_EQ(Written(kTextColour, 0x00FFFFFF), 0x00FFFFFF);
  EXPECT_EQ(Written(kTextColour, -1), -1);
  EXPECT_EQ(Written(kWordWrap, 1), 1);
  EXPECT_EQ(Written(kWordWrap, 9), 9);
}

TEST(LabelProperties, CaptionWriteAndRead) {
  LabelRecord r;
  LabelPropertyChanged(r, kCaption,
                       Text("\xBB\xB9\xD3\xD0"
                            "12\xCC\xEC"));
  EXPECT_EQ(r.caption,
            "\xBB\xB9\xD3\xD0"
            "12\xCC\xEC");
  PropertyValue out;
  ASSERT_TRUE(GetLabelProperty(r, kCaption, out));
  EXPECT_EQ(out.type, PropertyType::kText);
  EXPECT_EQ(out.text, r.caption);

  LabelPropertyChanged(r, kCaption, Text(""));
  EXPECT_EQ(r.caption, "");
  // The window text cannot hold a zero, so neither does the stored caption.
  LabelPropertyChanged(r, kCaption, Text(std::string("ab\0cd", 5)));
  EXPECT_EQ(r.caption, "ab");
}

TEST(LabelProperties, FontBlockIsReplacedOrEmptied) {
  LabelRecord r;
  std::vector<std::uint8_t> block(60, 0x11);
  LabelPropertyChanged(r, kLabelFont, Font(block));
  EXPECT_EQ(r.font, block);
  PropertyValue out;
  ASSERT_TRUE(GetLabelProperty(r, kLabelFont, out));
  EXPECT_EQ(out.type, PropertyType::kFont);
  EXPECT_EQ(out.bytes, block);

  LabelPropertyChanged(r, kLabelFont, Font({}));
  EXPECT_TRUE(r.font.empty());
  ASSERT_TRUE(GetLabelProperty(r, kLabelFont, out));
  EXPECT_TRUE(out.bytes.empty());
}

TEST(LabelProperties, IndicesOutsideTheKindChangeNothingAndReadNothing) {
  LabelRecord r;
  r.caption = "keep";
  const LabelRecord before = r;
  for (int index : {7, 15, 0, 108}) {
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
  for (int index : {kTextEffect, kTextColour, kHorizontalAlign, kWordWrap, kVerticalAlign}) {
    PropertyValue out;
    ASSERT_TRUE(GetLabelProperty(r, index, out));
    EXPECT_EQ(out.integer, expected[index - kCaption]) << index;
    EXPECT_EQ(out.type, LabelPropertyType(index)) << index;
  }
}

}  // namespace
}  // namespace pellomi
