#include <gtest/gtest.h>

#include <cstdint>

#include "label/label_format.h"
#include "label/label_record.h"
#include "template/label_records.h"

namespace pellomi {
namespace {

struct FormatCase {
  std::int32_t horizontal, wordWrap, vertical;
  std::uint32_t format;
};

TEST(LabelDrawFormat, EveryAlignmentAndWrapCombination) {
  const FormatCase cases[] = {
      // single line: top, middle, bottom, out-of-range vertical falls back to top
      {0, 0, 0, 0x120},
      {0, 0, 1, 0x124},
      {0, 0, 2, 0x128},
      {0, 0, 3, 0x120},
      {0, 0, -1, 0x120},
      {1, 0, 0, 0x121},
      {1, 0, 1, 0x125},
      {1, 0, 2, 0x129},
      {1, 0, 7, 0x121},
      {2, 0, 0, 0x122},
      {2, 0, 1, 0x126},
      {2, 0, 2, 0x12A},
      // out-of-range horizontal falls back to left
      {3, 0, 1, 0x124},
      {-1, 0, 2, 0x128},
      // wrap 1: word break, vertical alignment ignored
      {0, 1, 0, 0x114},
      {0, 1, 1, 0x114},
      {0, 1, 2, 0x114},
      {1, 1, 2, 0x115},
      {2, 1, 0, 0x116},
      {9, 1, 1, 0x114},
      // any other wrap value draws one line
      {1, 2, 1, 0x125},
      {2, -1, 2, 0x12A},
      {0, 5, 0, 0x120},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(LabelDrawFormat(c.horizontal, c.wordWrap, c.vertical), c.format)
        << "h " << c.horizontal << " wrap " << c.wordWrap << " v " << c.vertical;
  }
}

TEST(LabelDrawFormat, BothCountdownLabelsDrawCenteredMiddleSingleLine) {
  for (const auto& stored : {CountdownLabelRecordBytes(), ProductLabelRecordBytes()}) {
    auto record = ReadLabelRecord(stored);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(LabelDrawFormat(*record), 0x125u);
  }
}

TEST(LabelEffectPlan, CopiesColoursAndOffsets) {
  const std::uint32_t red = 0x0000FF;

  EffectPlan none = PlanTextEffect(0, red);
  EXPECT_FALSE(none.copy.has_value());
  EXPECT_EQ(none.text, (TextPass{red, 0, 0}));

  EffectPlan light = PlanTextEffect(1, red);
  ASSERT_TRUE(light.copy.has_value());
  EXPECT_EQ(*light.copy, (TextPass{0xFFFFFF, 1, 1}));
  EXPECT_EQ(light.text, (TextPass{red, 0, 0}));

  EffectPlan raised = PlanTextEffect(2, red);
  ASSERT_TRUE(raised.copy.has_value());
  EXPECT_EQ(*raised.copy, (TextPass{0xFFFFFF, 0, 0}));
  EXPECT_EQ(raised.text, (TextPass{red, 1, 1}));

  EffectPlan shadow = PlanTextEffect(3, red);
  ASSERT_TRUE(shadow.copy.has_value());
  EXPECT_EQ(*shadow.copy, (TextPass{0x000000, 2, 2}));
  EXPECT_EQ(shadow.text, (TextPass{red, 0, 0}));
}

TEST(LabelEffectPlan, StoredValuesOutsideTheListDrawNoCopy) {
  for (std::int32_t effect : {-1, 4, 100}) {
    EffectPlan plan = PlanTextEffect(effect, 0x123456);
    EXPECT_FALSE(plan.copy.has_value()) << effect;
    EXPECT_EQ(plan.text, (TextPass{0x123456, 0, 0})) << effect;
  }
}

}  // namespace
}  // namespace pellomi
