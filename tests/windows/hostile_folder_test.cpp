// Libraries planted in the program's folder (also its current directory) are never loaded when
// the late-bound table binds its entries.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "common/fatal_error_capture.h"
#include "form/runtime_error.h"
#include "late_bound/dll_command_inspection_win.h"
#include "late_bound/dll_command_win.h"
#include "start/dll_search_win.h"

namespace pellomi {
namespace {

// Planted copies of the marker library: the table's own library names, and a name that exists
// nowhere else, so that only a search of the program's folder could find it.
constexpr const wchar_t* kPlantedNames[] = {L"user32.dll", L"gdi32.dll", L"pellomi_planted.dll"};

std::wstring Directory(const std::wstring& path) {
  return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring ModulePath(HMODULE module) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
  return std::wstring(path, length);
}

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A fresh folder holding a copy of this program and the planted libraries; removed at the end.
class PlantedFolder {
 public:
  PlantedFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"pellomi_planted_" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder_.c_str(), nullptr);
    const std::wstring self = ModulePath(nullptr);
    program_ = folder_ + L"\\hostile_folder_test.exe";
    ready_ = CopyFileW(self.c_str(), program_.c_str(), FALSE) != FALSE;
    const std::wstring marker = Directory(self) + L"\\hostile_marker.dll";
    for (const wchar_t* name : kPlantedNames) {
      ready_ = ready_ && CopyFileW(marker.c_str(), Planted(name).c_str(), FALSE) != FALSE;
    }
  }
  ~PlantedFolder() {
    for (const wchar_t* name : kPlantedNames) {
      DeleteFileW(Planted(name).c_str());
      DeleteFileW((Planted(name) + L".loaded").c_str());
    }
    DeleteFileW(program_.c_str());
    RemoveDirectoryW(folder_.c_str());
  }
  PlantedFolder(const PlantedFolder&) = delete;
  PlantedFolder& operator=(const PlantedFolder&) = delete;

  bool Ready() const { return ready_; }
  std::wstring Planted(const wchar_t* name) const { return folder_ + L"\\" + name; }
  bool Marked(const wchar_t* name) const { return FileExists(Planted(name) + L".loaded"); }
  // Runs the copied program on one disabled case, with the folder as current directory.
  DWORD RunChild(const wchar_t* testName) const {
    std::wstring command = L"\"" + program_ + L"\" --gtest_also_run_disabled_tests " +
                           L"--gtest_filter=HostileFolder." + testName;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder_.c_str(), &startup, &process)) {
      return 0xFFFFFFFFu;
    }
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 0xFFFFFFFFu;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
  }

 private:
  std::wstring folder_;
  std::wstring program_;
  bool ready_ = false;
};

TEST(HostileFolder, PlantedLibrariesAreNeverLoadedByBinding) {
  ASSERT_TRUE(FileExists(Directory(ModulePath(nullptr)) + L"\\hostile_marker.dll"))
      << "hostile_marker.dll is not built beside this program (tests/windows/hostile.cmake)";
  PlantedFolder folder;
  ASSERT_TRUE(folder.Ready()) << "could not prepare the planted folder";

  EXPECT_EQ(folder.RunChild(L"DISABLED_BindEveryEntry"), 0u);
  EXPECT_EQ(folder.RunChild(L"DISABLED_BindFromAPlantedOnlyLibrary"), 0u);
  for (const wchar_t* name : kPlantedNames) {
    EXPECT_FALSE(folder.Marked(name)) << "planted library was run";
  }

  // The setup can see the fault: the ordinary search from that program does find the planted
  // file, and loading it runs it.
  EXPECT_EQ(folder.RunChild(L"DISABLED_OrdinarySearchFindsThePlantedLibrary"), 0u);
  EXPECT_TRUE(folder.Marked(L"pellomi_planted.dll"));
}

// Child side: every table entry binds, and none from the program's folder.
TEST(HostileFolder, DISABLED_BindEveryEntry) {
  const std::wstring programFolder = Directory(ModulePath(nullptr));
  for (int i = 0; i < kDllCommandCount; ++i) {
    const auto index = static_cast<DllCommandIndex>(i);
    EXPECT_NE(DllCommandAddress(index), nullptr) << i;
    const std::wstring library = Directory(ModulePath(DllCommandModule(index)));
    EXPECT_NE(CompareStringOrdinal(library.c_str(), -1, programFolder.c_str(), -1, TRUE),
              CSTR_EQUAL)
        << i;
  }
  HRGN region = DllCreateRoundRectRgn(0, 0, 20, 20, 5, 5);
  EXPECT_NE(region, nullptr);
  EXPECT_TRUE(DllDeleteObject(region));
  UnloadDllCommands();
}

// Child side: a library that exists only beside the program cannot be bound.
TEST(HostileFolder, DISABLED_BindFromAPlantedOnlyLibrary) {
  const char* libraries[] = {"pellomi_planted.dll"};
  const char* exports[] = {"Anything"};
  const DllCommandTable table{1, libraries, exports};
  DllCommandBinder binder(table, SystemLibraryLoading());
  ThrowFatalReports();
  EXPECT_THROW(binder.Bind(0), FatalRuntimeError);
  EXPECT_FALSE(binder.IsBound(0));
}

// Child side: the control, the default search order that binding must not use.
TEST(HostileFolder, DISABLED_OrdinarySearchFindsThePlantedLibrary) {
  HMODULE planted = LoadLibraryW(L"pellomi_planted.dll");
  EXPECT_NE(planted, nullptr);
  if (planted != nullptr) FreeLibrary(planted);
}

// The start-up restriction through its seam: called with the system folder alone where kernel32
// has it, and skipped (Windows 7 without KB2533623) where it does not.
DWORD g_flagsSeen = 0;
int g_calls = 0;
BOOL WINAPI FakeSetDefaultDllDirectories(DWORD flags) {
  g_flagsSeen = flags;
  ++g_calls;
  return TRUE;
}
void* WithSetDefault(const char* name) {
  return std::string(name) == "SetDefaultDllDirectories"
             ? reinterpret_cast<void*>(FakeSetDefaultDllDirectories)
             : nullptr;
}
void* WithoutSetDefault(const char*) {
  return nullptr;
}

TEST(RestrictDllSearch, SystemFolderOnlyWhereKernelHasItElseNothing) {
  g_calls = 0;
  EXPECT_FALSE(RestrictDllSearchToSystemFolder(WithoutSetDefault));
  EXPECT_EQ(g_calls, 0);
  EXPECT_TRUE(RestrictDllSearchToSystemFolder(WithSetDefault));
  EXPECT_EQ(g_calls, 1);
  EXPECT_EQ(g_flagsSeen, static_cast<DWORD>(LOAD_LIBRARY_SEARCH_SYSTEM32));
}

}  // namespace
}  // namespace pellomi
