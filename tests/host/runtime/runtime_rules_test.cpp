// Runtime rules without a window: error reports, the memory service, window creation styles.
#include <gtest/gtest.h>

#include <cstring>

#include "common/fatal_error_capture.h"
#include "form/runtime_error.h"
#include "form/runtime_texts.h"
#include "host/support/runtime_fixture.h"
#include "units/window_record.h"
#include "values/memory_service.h"

namespace pellomi {
namespace {

class RuntimeErrorText : public testing::RuntimeTest {};

TEST_F(RuntimeErrorText, CodeAndMessageLinesOnlyWhenPresent) {
  std::string bare = ComposeRuntimeErrorText("", 0, 0, 0, nullptr);
  EXPECT_EQ(bare, std::string(texts::kRuntimeErrorHeading) + "\r\n\r\n0, 0\r\n");

  std::string full = ComposeRuntimeErrorText("boom", 7, 0, 3, nullptr);
  EXPECT_EQ(full, std::string(texts::kRuntimeErrorHeading) + "\r\n\r\n" + texts::kErrorCodeLabel +
                      "7\r\n\r\n" + texts::kErrorMessageLabel + "boom\r\n\r\n0, 3\r\n");
}

TEST_F(RuntimeErrorText, OwnerWindowTagsOrMissingLines) {
  Working().units[0].tag = "win";
  Working().units[1].tag = "tick";
  // Owner and position are printed as signed decimals.
  std::string found =
      ComposeRuntimeErrorText("m", 0, kCountdownWindowId, 0x16015692u, &Runtime().store);
  EXPECT_NE(found.find("\r\n1375797249, 369186450\r\n\"win\"\r\n\"tick\"\r\n"), std::string::npos)
      << found;

  std::string menuItem =
      ComposeRuntimeErrorText("m", 0, kCountdownWindowId, 0x26012B45u, &Runtime().store);
  EXPECT_NE(menuItem.find(std::string("\"win\"\r\n") + texts::kNamedUnitMissing),
            std::string::npos);

  std::string unknownWindow = ComposeRuntimeErrorText("m", 0, 0x52010002u, 0, &Runtime().store);
  EXPECT_NE(unknownWindow.find(std::string("\r\n") + texts::kNamedWindowMissing + "\r\n"),
            std::string::npos);

  // An owner that is not a window identifier adds no tag lines.
  std::string plain = ComposeRuntimeErrorText("m", 0, 5, 6, &Runtime().store);
  EXPECT_EQ(plain.substr(plain.size() - 8), "\r\n5, 6\r\n");
}

TEST_F(RuntimeErrorText, ReportingSuspendsEventsAndReachesThePresenter) {
  try {
    ReportRuntimeError(texts::kLoadWindowFailed, 0, kCountdownWindowId, 0);
    FAIL() << "the host presenter throws";
  } catch (const FatalRuntimeError& error) {
    EXPECT_NE(error.text.find(texts::kLoadWindowFailed), std::string::npos);
  }
  EXPECT_TRUE(Runtime().EventsSuspended());
}

TEST(MemoryService, ReleaseIgnoresNullAndConstantBlocks) {
  static const char kPool[] = "constant text\0second";
  RegisterConstantPool(kPool, sizeof kPool);
  EXPECT_TRUE(IsConstantBlock(kPool + 14));
  EXPECT_FALSE(IsConstantBlock(kPool + sizeof kPool));
  ReleaseBlock(nullptr);
  ReleaseBlock(kPool);  // would crash under ASan if it reached free()
  EXPECT_STREQ(kPool, "constant text");
}

TEST(MemoryService, ResizeCopiesConstantsAndKeepsHeapContents) {
  static const char kPool[] = "abc";
  RegisterConstantPool(kPool, sizeof kPool);
  auto* copy = static_cast<char*>(ResizeBlock(const_cast<char*>(kPool), 16));
  ASSERT_NE(copy, kPool);
  EXPECT_STREQ(copy, "abc");  // as much as fits: the 4 pool bytes
  copy = static_cast<char*>(ResizeBlock(copy, 4096));
  EXPECT_STREQ(copy, "abc");
  ReleaseBlock(copy);

  char* fresh = static_cast<char*>(ResizeBlock(nullptr, 8));
  ASSERT_NE(fresh, nullptr);
  ReleaseBlock(fresh);

  char* text = CopyTextToBlock(nullptr);
  EXPECT_STREQ(text, "");
  ReleaseBlock(text);
}

TEST(WindowCreation, CountdownWindowIsBorderlessAndCentered) {
  WindowRecord record;
  record.borderStyle = 0;
  record.shownInTaskbar = false;
  record.windowState = kStateCentered;
  WindowCreation c = ComputeWindowCreation(record, kUnitVisible, 50, 50, 300, 120, 1920, 1080);
  EXPECT_EQ(c.style, style::kClipChildren | style::kMinimizeBox);
  EXPECT_EQ(c.style & (style::kCaption | style::kSysMenu | style::kThickFrame), 0u);
  EXPECT_EQ(c.exStyle, 0u);
  EXPECT_EQ(c.left, 810);
  EXPECT_EQ(c.top, 480);
  EXPECT_TRUE(c.ownedByHiddenOwner);
  // Odd leftovers truncate toward zero; a window larger than the screen goes negative.
  c = ComputeWindowCreation(record, 0, 0, 0, 301, 121, 1920, 1080);
  EXPECT_EQ(c.left, 809);
  c = ComputeWindowCreation(record, 0, 0, 0, 2001, 100, 1920, 1080);
  EXPECT_EQ(c.left, -40);
}

TEST(WindowCreation, BorderStylesAndStates) {
  WindowRecord record;
  record.windowState = kStateNormal;
  record.title = "t";
  struct Row {
    int border;
    std::uint32_t style, ex;
  } rows[] = {
      {1, style::kCaption | style::kSysMenu | style::kDlgFrame | style::kThickFrame, 0},
      {2, style::kCaption | style::kSysMenu | style::kDlgFrame, 0},
      {3, style::kCaption | style::kSysMenu | style::kDlgFrame | style::kThickFrame,
       style::kExToolWindow},
      {4, style::kCaption | style::kSysMenu | style::kDlgFrame, style::kExToolWindow},
      {5, style::kCaption | style::kSysMenu | style::kDlgFrame | style::kThickFrame,
       style::kExClientEdge},
      {6, style::kCaption | style::kSysMenu | style::kDlgFrame, style::kExClientEdge},
  };
  for (const Row& row : rows) {
    record.borderStyle = row.border;
    WindowCreation c = ComputeWindowCreation(record, 0, 7, 8, 100, 50, 800, 600);
    EXPECT_EQ(c.style & ~(style::kClipChildren | style::kMinimizeBox), row.style) << row.border;
    EXPECT_EQ(c.exStyle, row.ex) << row.border;
    EXPECT_EQ(c.left, 7);
  }
  record.borderStyle = 2;
  record.controlBox = false;
  record.title.clear();
  // No title bar: of the caption bits only the dialog frame stays.
  EXPECT_EQ(ComputeWindowCreation(record, 0, 0, 0, 1, 1, 1, 1).style & style::kCaption,
            style::kDlgFrame);
  record.windowState = kStateMinimized;
  EXPECT_NE(ComputeWindowCreation(record, 0, 0, 0, 1, 1, 1, 1).style & style::kMinimize, 0u);
  record.windowState = kStateMaximized;  // maximized only with a sizable frame
  EXPECT_EQ(ComputeWindowCreation(record, 0, 0, 0, 1, 1, 1, 1).style & style::kMaximize, 0u);
  record.borderStyle = 1;
  EXPECT_NE(ComputeWindowCreation(record, 0, 0, 0, 1, 1, 1, 1).style & style::kMaximize, 0u);
  EXPECT_NE(ComputeWindowCreation(record, kUnitDisabled | kUnitTabStop, 0, 0, 1, 1, 1, 1).style &
                (style::kDisabled | style::kTabStop),
            0u);
}

TEST(WindowCreation, RecordsOfLaterVersionsOrCutShortAreRejected) {
  WindowRecord record;
  record.title = "abc";
  std::vector<std::uint8_t> bytes = SaveWindowRecord(record);
  ASSERT_EQ(ReadWindowRecord(bytes), record);
  bytes[0] = 7;
  EXPECT_FALSE(ReadWindowRecord(bytes));
  bytes[0] = 6;
  bytes.pop_back();
  EXPECT_FALSE(ReadWindowRecord(bytes));
  std::vector<std::uint8_t> timer = SaveTimerRecord(250);
  EXPECT_EQ(ReadTimerRecord(timer), 250);
  timer[0] = 2;
  EXPECT_FALSE(ReadTimerRecord(timer));
}

}  // namespace
}  // namespace pellomi
