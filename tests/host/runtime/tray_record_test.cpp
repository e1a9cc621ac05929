// The notification record's fields, the tooltip as it fits in the record, and which mouse
// notifications become tray events.
#include <gtest/gtest.h>

#include <string>

#include "tray/tray_event_code.h"
#include "tray/tray_record.h"

namespace pellomi {
namespace {

// "中" in GBK: a lead byte and a trail byte.
constexpr char kWide[] = "\xD6\xD0";

bool RestIsZero(const TrayRecord& record, std::size_t from) {
  for (std::size_t i = from; i < record.tip.size(); ++i) {
    if (record.tip[i] != '\0') return false;
  }
  return true;
}

TEST(TrayRecordFields, AddAndModifyCarryIconMessageAndTip) {
  for (const TrayRecord& record : {MakeTrayAddRecord("tip"), MakeTrayModifyRecord("tip")}) {
    EXPECT_EQ(record.iconId, 100u);
    EXPECT_EQ(record.flags, 7u);
    EXPECT_EQ(record.callbackMessage, 0x8064u);
    EXPECT_TRUE(record.carriesIcon);
    EXPECT_EQ(TrayRecordTip(record), "tip");
    EXPECT_TRUE(RestIsZero(record, 3));
  }
}

TEST(TrayRecordFields, DeleteCarriesNothing) {
  const TrayRecord record = MakeTrayDeleteRecord();
  EXPECT_EQ(record.iconId, 100u);
  EXPECT_EQ(record.flags, 0u);
  EXPECT_EQ(record.callbackMessage, 0u);
  EXPECT_FALSE(record.carriesIcon);
  EXPECT_TRUE(RestIsZero(record, 0));
}

TEST(TrayRecordFields, NoTooltipLeavesTheFieldZero) {
  EXPECT_TRUE(RestIsZero(MakeTrayAddRecord(nullptr), 0));
  EXPECT_TRUE(RestIsZero(MakeTrayModifyRecord(""), 0));
}

TEST(TrayTooltip, SixtyTwoBytesFitWholeAndMoreAreCut) {
  const std::string fits(62, 'a');
  const TrayRecord whole = MakeTrayAddRecord(fits.c_str());
  EXPECT_EQ(TrayRecordTip(whole), fits);
  EXPECT_TRUE(RestIsZero(whole, 62));

  const std::string longer = fits + "b";
  EXPECT_EQ(TrayRecordTip(MakeTrayAddRecord(longer.c_str())), fits);
  const std::string muchLonger(200, 'c');
  EXPECT_EQ(TrayRecordTip(MakeTrayModifyRecord(muchLonger.c_str())), std::string(62, 'c'));
}

TEST(TrayTooltip, CutNeverSplitsADoubleByteCharacter) {
  // The character would take bytes 62 and 63: it goes whole.
  const std::string straddling = std::string(61, 'a') + kWide + "z";
  const TrayRecord record = MakeTrayAddRecord(straddling.c_str());
  EXPECT_EQ(TrayRecordTip(record), std::string(61, 'a'));
  EXPECT_TRUE(RestIsZero(record, 61));

  // Ending exactly on byte 62 it stays.
  const std::string ending = std::string(60, 'a') + kWide + "z";
  EXPECT_EQ(TrayRecordTip(MakeTrayAddRecord(ending.c_str())), std::string(60, 'a') + kWide);

  // Thirty-one double-byte characters are 62 bytes; a thirty-second does not fit.
  std::string chinese;
  for (int i = 0; i < 32; ++i) chinese += kWide;
  EXPECT_EQ(TrayRecordTip(MakeTrayAddRecord(chinese.c_str())), chinese.substr(0, 62));

  // An odd start shifts the pairs: the walk, not the byte position, decides.
  const std::string shifted = "a" + chinese;
  EXPECT_EQ(TrayRecordTip(MakeTrayAddRecord(shifted.c_str())), shifted.substr(0, 61));
}

TEST(TrayTooltip, PrefixLengthWalksCharacters) {
  EXPECT_EQ(GbkPrefixLength("", 62), 0u);
  EXPECT_EQ(GbkPrefixLength(kWide, 1), 0u);
  EXPECT_EQ(GbkPrefixLength(kWide, 2), 2u);
  // A byte that looks like an ASCII letter after a lead byte is still its trail byte.
  EXPECT_EQ(GbkPrefixLength("\x81"
                            "A"
                            "b",
                            1),
            0u);
  EXPECT_EQ(GbkPrefixLength("\x81"
                            "A"
                            "b",
                            2),
            2u);
  // A lead byte with no trail (end of text, or a control byte) stands alone.
  EXPECT_EQ(GbkPrefixLength("ab\x81", 3), 3u);
  EXPECT_EQ(GbkPrefixLength("\x81\x0D"
                            "ab",
                            2),
            2u);
  // 0x80 and 0xFF are single bytes.
  EXPECT_EQ(GbkPrefixLength("\x80\x80\xFF", 2), 2u);
}

TEST(TrayTooltip, TheProgramsTooltipIsShownWhole) {
  // Pellomi V1.2 [正在运行]\r\n\r\n作者：Norvane
  const char tooltip[] =
      "Pellomi V1.2 [\xD5\xFD\xD4\xDA\xD4\xCB\xD0\xD0]\r\n\r\n\xD7\xF7\xD5\xDF\xA3\xBANorvane";
  EXPECT_EQ(TrayRecordTip(MakeTrayAddRecord(tooltip)), tooltip);
}

TEST(TrayEventCode, ReleasesDoubleClicksAndContextMenusOpenTheMenu) {
  EXPECT_EQ(TrayEventCodeFor(0x202), 1);  // left button up
  EXPECT_EQ(TrayEventCodeFor(0x203), 2);  // left double click
  EXPECT_EQ(TrayEventCodeFor(0x205), 3);  // right button up
  EXPECT_EQ(TrayEventCodeFor(0x7B), 3);   // context menu
}

TEST(TrayEventCode, MovesAndPressesRaiseNothing) {
  for (std::uint64_t notification : {0x200ull, 0x201ull, 0x204ull, 0x206ull, 0x207ull, 0x208ull,
                                     0x209ull, 0ull, 0x100000202ull, 0x8064ull}) {
    EXPECT_FALSE(TrayEventCodeFor(notification).has_value()) << std::hex << notification;
  }
}

}  // namespace
}  // namespace pellomi
