#include "late_bound/dll_command.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "common/fatal_error_capture.h"
#include "form/runtime_error.h"

namespace pellomi {
namespace {

TEST(DllCommandTable, HoldsTheSevenFunctionsInOrder) {
  const DllCommandTable& table = ProgramDllCommands();
  ASSERT_EQ(table.count, 7);
  const char* libraries[] = {"user32.dll", "user32.dll", "user32.dll", "gdi32.dll",
                             "user32.dll", "gdi32.dll",  "user32.dll"};
  const char* exports[] = {"GetWindowLongA",     "SetWindowLongA", "SetLayeredWindowAttributes",
                           "CreateRoundRectRgn", "SetWindowRgn",   "DeleteObject",
                           "GetClientRect"};
  for (int i = 0; i < table.count; ++i) {
    EXPECT_STREQ(table.libraries[i], libraries[i]) << i;
    EXPECT_STREQ(table.exports[i], exports[i]) << i;
  }
  EXPECT_STREQ(table.exports[static_cast<int>(DllCommandIndex::kCreateRoundRectRgn)],
               "CreateRoundRectRgn");
  EXPECT_STREQ(table.exports[static_cast<int>(DllCommandIndex::kGetClientRect)], "GetClientRect");
}

TEST(ExportName, OrdinalsAreDecimalModulo65536) {
  EXPECT_EQ(ParseExportName("#12").ordinal, 12);
  EXPECT_TRUE(ParseExportName("#12").byOrdinal);
  EXPECT_EQ(ParseExportName("#65537").ordinal, 1);
  EXPECT_EQ(ParseExportName("#65536").ordinal, 0);
  EXPECT_EQ(ParseExportName("#99999999999").ordinal, 99999999999ull % 65536);
  const ExportReference named = ParseExportName("DeleteObject");
  EXPECT_FALSE(named.byOrdinal);
  EXPECT_EQ(named.name, "DeleteObject");
}

TEST(LibraryLoadAttempts, NamedLibraryComesOnlyFromTheSystemDirectory) {
  const auto attempts = LibraryLoadAttempts("gdi32.dll");
  ASSERT_EQ(attempts.size(), 1u);
  EXPECT_EQ(attempts[0], (LibraryLoadAttempt{"gdi32.dll", true}));
  // No relative path can escape the system directory.
  EXPECT_TRUE(LibraryLoadAttempts("..\\gdi32.dll").empty());
  EXPECT_TRUE(LibraryLoadAttempts("sub/gdi32.dll").empty());
}

TEST(LibraryLoadAttempts, AbsolutePathIsLoadedAsGiven) {
  const auto attempts = LibraryLoadAttempts("C:\\tools\\extra.dll");
  ASSERT_EQ(attempts.size(), 1u);
  EXPECT_EQ(attempts[0], (LibraryLoadAttempt{"C:\\tools\\extra.dll", false}));
}

TEST(LibraryLoadAttempts, EmptyNameSearchesTheUsualSystemLibrariesInOrder) {
  const std::vector<LibraryLoadAttempt> expected = {{"Kernel32.dll", true}, {"Gdi32.dll", true},
                                                    {"User32.dll", true},   {"Advapi32.dll", true},
                                                    {"Mpr.dll", true},      {"Shell32.dll", true}};
  EXPECT_EQ(LibraryLoadAttempts(""), expected);
}

TEST(PlanLibraryLoad, SearchFlagsWhereSupportedElseTheFullSystemPath) {
  const LibraryLoadAttempt system{"user32.dll", true};
  const LibraryLoadAttempt named{"D:\\Lib\\x.dll", false};
  struct Case {
    LibraryLoadAttempt attempt;
    bool supported;
    const char* folder;
    LibraryLoadCall expected;
  } cases[] = {
      {system, true, "C:\\Windows\\system32", {"user32.dll", kLoadSearchSystem32}},
      {named,
       true,
       "C:\\Windows\\system32",
       {"D:\\Lib\\x.dll", kLoadSearchDllLoadDir | kLoadSearchSystem32}},
      // Windows 7 without KB2533623: no search flags at all.
      {system, false, "C:\\Windows\\system32", {"C:\\Windows\\system32\\user32.dll", 0}},
      {system, false, "C:\\", {"C:\\user32.dll", 0}},
      {named, false, "C:\\Windows\\system32", {"D:\\Lib\\x.dll", kLoadWithAlteredSearchPath}},
      // Never a bare name without flags: that would search the program's folder.
      {system, false, "", {"user32.dll", kLoadSearchSystem32}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlanLibraryLoad(c.attempt, c.supported, c.folder), c.expected)
        << c.attempt.path << " supported=" << c.supported << " folder=" << c.folder;
  }
}

TEST(ExportMissingMessage, NamesLibraryAndExportInQuotes) {
  const std::string text = ExportMissingMessage("gdi32.dll", "NoSuchThing");
  EXPECT_EQ(text.rfind("\xCE\xDE\xB7\xA8", 0), 0u);  // starts with the "cannot find" words
  EXPECT_NE(text.find("\xA1\xB0gdi32.dll\xA1\xB1"), std::string::npos);
  EXPECT_NE(text.find("\xA1\xB0NoSuchThing\xA1\xB1"), std::string::npos);
  EXPECT_EQ(text.find('%'), std::string::npos);

  const std::string noLibrary = ExportMissingMessage("", "#7");
  EXPECT_NE(noLibrary.find("\xA1\xB0#7\xA1\xB1"), std::string::npos);
  EXPECT_EQ(noLibrary.find("\xA1\xB0\xA1\xB1"), std::string::npos);  // no empty library quote
}

// A loader over a made-up set of libraries, recording what binding does.
class FakeLoader : public LibraryLoader {
 public:
  std::map<std::string, std::set<std::string>> libraries;  // name -> exports
  std::vector<LibraryLoadAttempt> loads;
  std::vector<std::string> unloads;
  std::map<std::string, int> loaded;  // reference counts

  std::unique_ptr<LoadedLibrary> Load(const LibraryLoadAttempt& attempt) override {
    loads.push_back(attempt);
    auto it = libraries.find(attempt.path);
    if (it == libraries.end()) return nullptr;
    ++loaded[it->first];
    return std::make_unique<FakeLibrary>(*this, it->first);
  }

 private:
  class FakeLibrary : public LoadedLibrary {
   public:
    FakeLibrary(FakeLoader& loader, const std::string& name) : loader_(loader), name_(name) {}
    ~FakeLibrary() override {
      loader_.unloads.push_back(name_);
      --loader_.loaded[name_];
    }
    void* FindExport(const ExportReference& reference) const override {
      const std::string key =
          reference.byOrdinal ? "#" + std::to_string(reference.ordinal) : reference.name;
      auto& exports = loader_.libraries.at(name_);
      auto it = exports.find(key);
      return it == exports.end() ? nullptr : const_cast<std::string*>(&*it);
    }

   private:
    FakeLoader& loader_;
    std::string name_;
  };
};

struct TestTable {
  const char* libraries[4] = {"user32.dll", "", "gdi32.dll", "user32.dll"};
  const char* exports[4] = {"GetClientRect", "#12", "NoSuchThing", "#65549"};
  DllCommandTable table{4, libraries, exports};
};

TEST(DllCommandBinder, BindsOnFirstCallAndNeverLoadsAgain) {
  FakeLoader loader;
  loader.libraries["user32.dll"] = {"GetClientRect"};
  TestTable t;
  DllCommandBinder binder(t.table, loader);
  EXPECT_FALSE(binder.IsBound(0));
  void* first = binder.Bind(0);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(binder.Bind(0), first);
  EXPECT_EQ(binder.Bind(0), first);
  EXPECT_EQ(loader.loads.size(), 1u);
  EXPECT_TRUE(loader.loads[0].systemDirectoryOnly);
  EXPECT_TRUE(binder.IsBound(0));
  EXPECT_NE(binder.LibraryOf(0), nullptr);
  EXPECT_EQ(loader.loaded["user32.dll"], 1);

  binder.UnloadAll();
  EXPECT_EQ(loader.loaded["user32.dll"], 0);
  EXPECT_FALSE(binder.IsBound(0));
  EXPECT_EQ(binder.LibraryOf(0), nullptr);
  binder.UnloadAll();  // nothing left to unload twice
  EXPECT_EQ(loader.unloads.size(), 1u);
}

TEST(DllCommandBinder, EmptyLibraryKeepsTheFirstThatHasTheExportAndUnloadsTheRest) {
  FakeLoader loader;
  loader.libraries["Kernel32.dll"] = {"Other"};
  loader.libraries["User32.dll"] = {"#12"};
  loader.libraries["Shell32.dll"] = {"#12"};
  TestTable t;
  DllCommandBinder binder(t.table, loader);
  ASSERT_NE(binder.Bind(1), nullptr);
  // Kernel32 loaded and lacked it, Gdi32 did not load, User32 has it; Shell32 never tried.
  ASSERT_EQ(loader.loads.size(), 3u);
  EXPECT_EQ(loader.loads[2].path, "User32.dll");
  EXPECT_EQ(loader.unloads, std::vector<std::string>{"Kernel32.dll"});
  EXPECT_EQ(loader.loaded["User32.dll"], 1);
  EXPECT_EQ(loader.loaded["Shell32.dll"], 0);
}

TEST(DllCommandBinder, OrdinalIsLookedUpModulo65536) {
  FakeLoader loader;
  loader.libraries["user32.dll"] = {"#13"};
  TestTable t;
  DllCommandBinder binder(t.table, loader);
  EXPECT_NE(binder.Bind(3), nullptr);  // "#65549" is ordinal 13
}

TEST(DllCommandBinder, MissingExportUnloadsTheLibraryAndIsFatal) {
  FakeLoader loader;
  loader.libraries["gdi32.dll"] = {"DeleteObject"};
  TestTable t;
  DllCommandBinder binder(t.table, loader);
  try {
    binder.Bind(2);
    FAIL() << "binding a missing export returned";
  } catch (const FatalRuntimeError& error) {
    EXPECT_NE(error.text.find(ExportMissingMessage("gdi32.dll", "NoSuchThing")), std::string::npos);
  }
  EXPECT_EQ(loader.loaded["gdi32.dll"], 0);
  EXPECT_FALSE(binder.IsBound(2));
}

TEST(DllCommandBinder, UnloadableLibraryIsFatalWithTheNoLibraryTextWhenUnnamed) {
  FakeLoader loader;  // nothing loads
  TestTable t;
  DllCommandBinder binder(t.table, loader);
  EXPECT_THROW(binder.Bind(0), FatalRuntimeError);
  try {
    binder.Bind(1);
    FAIL() << "binding with no library returned";
  } catch (const FatalRuntimeError& error) {
    EXPECT_NE(error.text.find(ExportMissingMessage("", "#12")), std::string::npos);
  }
  EXPECT_EQ(loader.loads.size(), 1u + 6u);
}

}  // namespace
}  // namespace pellomi
