// Libraries named like the late-bound system ones, planted in the program's folder and in the
// current directory, are never loaded by binding the table.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "widget/dll_command_win.h"

namespace pellomi {
namespace {

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

// A fresh folder holding a copy of this program and the marker library as user32.dll and
// gdi32.dll; removed again at the end.
class PlantedFolder {
 public:
  PlantedFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"pellomi_planted_" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder_.c_str(), nullptr);
    const std::wstring self = ModulePath(nullptr);
    program_ = folder_ + L"\\hostile_folder_test.exe";
    copied_ = CopyFileW(self.c_str(), program_.c_str(), FALSE) != FALSE;
    const std::wstring marker = Directory(self) + L"\\hostile_marker.dll";
    for (const wchar_t* name : {L"user32.dll", L"gdi32.dll"}) {
      copied_ = copied_ && CopyFileW(marker.c_str(), Planted(name).c_str(), FALSE) != FALSE;
    }
  }
  ~PlantedFolder() {
    for (const wchar_t* name : {L"user32.dll", L"gdi32.dll"}) {
      DeleteFileW(Planted(name).c_str());
      DeleteFileW((Planted(name) + L".loaded").c_str());
    }
    DeleteFileW(program_.c_str());
    RemoveDirectoryW(folder_.c_str());
  }
  bool Ready() const { return copied_; }
  std::wstring Planted(const wchar_t* name) const { return folder_ + L"\\" + name; }
  bool Marked(const wchar_t* name) const { return FileExists(Planted(name) + L".loaded"); }
  const std::wstring& Folder() const { return folder_; }
  const std::wstring& Program() const { return program_; }

 private:
  std::wstring folder_;
  std::wstring program_;
  bool copied_ = false;
};

// Runs the copied program on one disabled case, with the planted folder as current directory.
DWORD RunChild(const PlantedFolder& folder, const wchar_t* filter) {
  std::wstring command = L"\"" + folder.Program() + L"\" --gtest_also_run_disabled_tests " +
                         L"--gtest_filter=" + filter;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(folder.Program().c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.Folder().c_str(), &startup, &process)) {
    return 0xFFFFFFFFu;
  }
  WaitForSingleObject(process.hProcess, 60000);
  DWORD code = 0xFFFFFFFFu;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

TEST(HostileFolder, PlantedSystemLibrariesAreNeverLoaded) {
  PlantedFolder folder;
  ASSERT_TRUE(folder.Ready()) << "could not prepare the planted folder";
  EXPECT_EQ(RunChild(folder, L"HostileFolder.DISABLED_BindEveryEntry"), 0u);
  EXPECT_FALSE(folder.Marked(L"user32.dll"));
  EXPECT_FALSE(folder.Marked(L"gdi32.dll"));

  // The marker works: loading the planted file by its folder path runs it.
  HMODULE planted = LoadLibraryW(folder.Planted(L"gdi32.dll").c_str());
  EXPECT_NE(planted, nullptr);
  if (planted != nullptr) FreeLibrary(planted);
  EXPECT_TRUE(folder.Marked(L"gdi32.dll"));
}

// Child side: bind every entry and check each came from outside the program's folder.
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

}  // namespace
}  // namespace pellomi
