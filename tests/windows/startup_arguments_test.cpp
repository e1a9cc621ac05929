// The shortcut's arguments read back by the system's own parser, as the shortcut's start will.
#include <windows.h>
// Needs the types of windows.h.
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options/startup_shortcut.h"

namespace pellomi {
namespace {

std::vector<std::u16string> ReadBack(const std::u16string& arguments) {
  const std::wstring line =
      L"Pellomi.exe " + std::wstring(reinterpret_cast<const wchar_t*>(arguments.c_str()));
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(line.c_str(), &count);
  std::vector<std::u16string> args;
  for (int i = 1; argv != nullptr && i < count; ++i) {
    args.emplace_back(reinterpret_cast<const char16_t*>(argv[i]));
  }
  LocalFree(argv);
  return args;
}

TEST(StartupArgumentsTest, CommandLineToArgvWGivesEachArgumentBackWhole) {
  const std::vector<std::u16string> cases[] = {
      {u"--title", u"期末 \"考试\" C:\\"},
      {u"--title", u"a\\\\\"b\\"},
      {u"--title", u"\\\\"},
      {u"--title", u""},
      {u"--title", u"\t\"\""},
      {u"--title=x y\\", u"--target", u"2027/6/7", u"--position", u"左下角"},
      {u"--title", u"--startup"},
  };
  for (const std::vector<std::u16string>& args : cases) {
    const std::u16string line = ShortcutArguments(args);
    EXPECT_EQ(ReadBack(line), args) << std::string(line.begin(), line.end());
  }
  // --startup itself does not come back.
  const std::vector<std::u16string> withStartup = {u"--startup", u"--title", u"a b"};
  EXPECT_EQ(ReadBack(ShortcutArguments(withStartup)),
            (std::vector<std::u16string>{u"--title", u"a b"}));
}

}  // namespace
}  // namespace pellomi
