#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "commands/text_ops.h"
#include "values/memory_service.h"

namespace pellomi {
namespace {

TEST(TextLength, CountsBytesBeforeTheTerminator) {
  EXPECT_EQ(TextLength("\xBB\xB9\xD3\xD0"), 4u);  // 还有: two GBK characters, four bytes
  EXPECT_EQ(TextLength(""), 0u);
  EXPECT_EQ(TextLength(nullptr), 0u);
}

TEST(ConcatTexts, JoinsInArgumentOrder) {
  char* joined = ConcatTexts({"\xBB\xB9\xD3\xD0", "5", "\xCC\xEC"});
  EXPECT_STREQ(joined,
               "\xBB\xB9\xD3\xD0"
               "5\xCC\xEC");  // 还有5天
  ReleaseBlock(joined);
}

TEST(ConcatTexts, SkipsAbsentTexts) {
  char* joined = ConcatTexts({nullptr, "ab", nullptr, "", "c"});
  EXPECT_STREQ(joined, "abc");
  ReleaseBlock(joined);
}

TEST(ConcatTexts, EmptyResultIsStillANewText) {
  const char empty[] = "";
  char* joined = ConcatTexts({nullptr, empty});
  ASSERT_NE(joined, nullptr);
  EXPECT_NE(joined, empty);
  EXPECT_EQ(joined[0], '\0');
  ReleaseBlock(joined);
}

TEST(ConcatTexts, LongTextsAreJoinedWhole) {
  const std::string a(5000, 'a'), b(3000, 'b');
  char* joined = ConcatTexts({a.c_str(), b.c_str()});
  EXPECT_EQ(std::string(joined), a + b);
  ReleaseBlock(joined);
}

}  // namespace
}  // namespace pellomi
