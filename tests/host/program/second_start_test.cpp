// A second start: which starts mean the same widget, and the record it sends, read as untrusted.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/support/gbk_text.h"
#include "options/second_start.h"

namespace pellomi {
namespace {

CountdownOptions Parsed(const std::vector<std::u16string>& args) {
  return std::get<CountdownOptions>(ParseCountdownOptions(args, IconvGbk));
}

TEST(SecondStartTest, SameWidgetExactlyWhenDateAndTitleParseTheSame) {
  struct Case {
    std::vector<std::u16string> first;
    std::vector<std::u16string> second;
    bool same;
  } cases[] = {
      {{}, {}, true},
      {{}, {u"--position", u"bottom-left", u"--size", u"200"}, true},
      {{u"--target", u"2027/6/7"}, {u"--target=2027-06-07"}, true},
      {{u"--target", u"2027/6/7"}, {u"--target", u"2027/06/07 18:30"}, true},
      {{u"--target", u"2027/6/7"}, {u"--target", u"2027/6/8"}, false},
      {{u"--target", u"6/7"}, {u"--target", u"2027/6/7"}, false},      // yearly is not once
      {{u"--target", u"6/7"}, {u"--target", u"农历六月初七"}, false},  // nor lunar
      {{u"--target", u"春节"}, {u"--target", u"农历正月初一"}, true},  // the same lunar day
      {{}, {u"--target", u"2027/6/7"}, false},
      {{u"--title", u"期末"}, {u"--title=期末"}, true},
      {{u"--title", u"期末"}, {u"--title", u"期末 "}, false},
      {{}, {u"--title", u"Pellomi"}, false},  // an own title, even the product's name
      {{u"--title", u"a"}, {u"--title", u"A"}, false},
  };
  for (const Case& c : cases) {
    const std::string first = WidgetIdentity(Parsed(c.first));
    const std::string second = WidgetIdentity(Parsed(c.second));
    EXPECT_EQ(first == second, c.same) << first << " | " << second;
    EXPECT_EQ(InstanceObjectName(first) == InstanceObjectName(second), c.same) << first;
  }
  EXPECT_EQ(InstanceObjectName("default").rfind(L"Local\\Pellomi-", 0), 0u);
}

std::vector<std::byte> Bytes(std::initializer_list<int> values) {
  std::vector<std::byte> out;
  for (int v : values) out.push_back(static_cast<std::byte>(v));
  return out;
}

TEST(SecondStartTest, RecordRoundTripsAndAnythingElseIsRefused) {
  SecondStartRequest full{"once 46545\ntitle x", PlacementPreset::kBottomRight, 16, 400,
                          FullscreenMode::kShow};
  SecondStartRequest none{"default", {}, {}, {}, {}};
  SecondStartRequest low{"", PlacementPreset::kTopLeft, 1, 50, FullscreenMode::kHide};
  for (const SecondStartRequest& r : {full, none, low}) {
    EXPECT_EQ(DecodeSecondStart(EncodeSecondStart(r)), r) << r.identity;
  }
  const std::vector<std::byte> good = EncodeSecondStart(full);
  // Each change of one byte (offset, value) that must make the record unreadable.
  struct Change {
    std::size_t at;
    int value;
    const char* why;
  } changes[] = {
      {0, 0x51, "magic"},           {4, 2, "version"},        {6, 0x1F, "unknown flag"},
      {8, 6, "position 7th"},       {9, 2, "fullscreen 3rd"}, {10, 1, "reserved"},
      {12, 17, "screen 17"},        {12, 0, "screen 0"},      {15, 0x80, "screen negative"},
      {18, 1, "size huge"},         {17, 2, "size 401+"},     {20, 19, "identity longer"},
      {20, 17, "identity shorter"}, {22, 1, "identity huge"},
  };
  for (const Change& change : changes) {
    std::vector<std::byte> bytes = good;
    bytes[change.at] = static_cast<std::byte>(change.value);
    EXPECT_FALSE(DecodeSecondStart(bytes)) << change.why;
  }
  // Values left over for options not named are refused too: one form per record.
  std::vector<std::byte> stray = EncodeSecondStart(none);
  stray[12] = std::byte{1};
  EXPECT_FALSE(DecodeSecondStart(stray));
  EXPECT_FALSE(DecodeSecondStart({}));
  EXPECT_FALSE(DecodeSecondStart(std::span(good).first(23)));
  std::vector<std::byte> longer = good;
  longer.push_back(std::byte{0});
  EXPECT_FALSE(DecodeSecondStart(longer));
  EXPECT_FALSE(DecodeSecondStart(Bytes({0x50, 0x4C, 0x4D, 0x49, 1, 0, 0, 0})));
}

}  // namespace
}  // namespace pellomi
