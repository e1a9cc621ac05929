// The Startup folder's shortcut: its name, and arguments that the system's parser reads back whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/support/gbk_text.h"
#include "options/startup_shortcut.h"

namespace pellomi {
namespace {

// CommandLineToArgvW's rules for the arguments after the program's name: 2n backslashes and a
// quote give n backslashes and open or close quoting; 2n+1 give n and a literal quote; other
// backslashes are literal; within quotes "" is a literal quote.
std::vector<std::u16string> SplitLikeCommandLineToArgvW(std::u16string_view line) {
  std::vector<std::u16string> args;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && (line[i] == u' ' || line[i] == u'\t')) ++i;
    if (i == line.size()) return args;
    std::u16string arg;
    bool quoted = false;
    while (i < line.size() && (quoted || (line[i] != u' ' && line[i] != u'\t'))) {
      std::size_t backslashes = 0;
      while (i < line.size() && line[i] == u'\\') ++backslashes, ++i;
      if (i < line.size() && line[i] == u'"') {
        arg.append(backslashes / 2, u'\\');
        if (backslashes % 2 == 1) {
          arg += u'"';
        } else if (quoted && i + 1 < line.size() && line[i + 1] == u'"') {
          arg += u'"';
          ++i;
        } else {
          quoted = !quoted;
        }
        ++i;
      } else {
        arg.append(backslashes, u'\\');
        if (i < line.size() && (quoted || (line[i] != u' ' && line[i] != u'\t'))) arg += line[i++];
      }
    }
    args.push_back(arg);
  }
}

TEST(StartupShortcutTest, ArgumentsComeBackWholeWithoutStartup) {
  struct Case {
    std::vector<std::u16string> given;
    std::vector<std::u16string> back;
    std::u16string line;  // empty: only the round trip is checked
  } cases[] = {
      {{u"--startup"}, {}, u""},
      {{u"--target", u"2027/6/7", u"--startup"}, {u"--target", u"2027/6/7"}, u"--target 2027/6/7"},
      {{u"--startup=off", u"--title=期末 考试"}, {u"--title=期末 考试"}, u"\"--title=期末 考试\""},
      {{u"--title", u"a \"b\" c"}, {u"--title", u"a \"b\" c"}, u"--title \"a \\\"b\\\" c\""},
      {{u"--title", u"C:\\x y\\"}, {u"--title", u"C:\\x y\\"}, u"--title \"C:\\x y\\\\\""},
      {{u"--title", u"a\\\\\"b"}, {u"--title", u"a\\\\\"b"}, u"--title \"a\\\\\\\\\\\"b\""},
      {{u"--title", u"no\\space\\"}, {u"--title", u"no\\space\\"}, u"--title no\\space\\"},
      {{u"--title", u""}, {u"--title", u""}, u"--title \"\""},
      {{u"--title", u"\t"}, {u"--title", u"\t"}, u""},
      {{u"--title", u"\\\""}, {u"--title", u"\\\""}, u""},
      {{u"--title", u"--startup", u"--startup"}, {u"--title", u"--startup"}, u""},
      {{u"--size=200", u"--startup", u"--position", u"左下角"},
       {u"--size=200", u"--position", u"左下角"},
       u""},
  };
  for (const Case& c : cases) {
    const std::u16string line = ShortcutArguments(c.given);
    EXPECT_EQ(SplitLikeCommandLineToArgvW(line), c.back) << Utf8Of(line);
    if (!c.line.empty() || c.back.empty()) {
      EXPECT_EQ(line, c.line) << Utf8Of(line);
    }
  }
}

TEST(StartupShortcutTest, FileNameHoldsAnyTitle) {
  struct Case {
    std::optional<std::u16string> title;
    std::u16string name;
  } cases[] = {
      {std::nullopt, u"Pellomi.lnk"},
      {u"期末", u"Pellomi - 期末.lnk"},
      {u"Pellomi", u"Pellomi - Pellomi.lnk"},  // an own title, even the product's name
      {u"a<b>c:d\"e/f\\g|h?i*j", u"Pellomi - a_b_c_d_e_f_g_h_i_j.lnk"},
      {u"CON", u"Pellomi - CON.lnk"},
      {u"end. ", u"Pellomi - end. .lnk"},
      {u"", u"Pellomi - .lnk"},
      {std::u16string(200, u'x'), u"Pellomi - " + std::u16string(120, u'x') + u".lnk"},
      // A cut that would split a surrogate pair keeps the pair out.
      {std::u16string(119, u'x') + u"\U0001F600",
       u"Pellomi - " + std::u16string(119, u'x') + u".lnk"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShortcutFileName(c.title), c.name) << Utf8Of(c.name);
  }
}

}  // namespace
}  // namespace pellomi
