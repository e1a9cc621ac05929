// Reads the resources of the Pellomi.exe built beside this test: the version block Explorer shows
// in the file's properties, the application manifest and the program icon.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "app/app_resources.h"
#include "handles_win.h"

namespace pellomi {
namespace {

std::wstring ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length);
  return path.substr(0, path.find_last_of(L"\\/") + 1) + L"Pellomi.exe";
}

// "1.2.0" from the build becomes {1, 2, 0, 0}.
std::vector<WORD> ExpectedVersion() {
  std::vector<WORD> parts;
  const char* text = PELLOMI_VERSION;
  while (*text != '\0') {
    char* end = nullptr;
    parts.push_back(static_cast<WORD>(std::strtoul(text, &end, 10)));
    text = *end == '.' ? end + 1 : end;
  }
  parts.resize(4, 0);
  return parts;
}

std::wstring ExpectedVersionText() {
  const std::vector<WORD> v = ExpectedVersion();
  return std::to_wstring(v[0]) + L"." + std::to_wstring(v[1]) + L"." + std::to_wstring(v[2]) +
         L"." + std::to_wstring(v[3]);
}

class VersionBlock : public ::testing::Test {
 protected:
  void SetUp() override {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(ProgramPath().c_str(), &ignored);
    ASSERT_GT(size, 0u) << "no version block in " << ::testing::PrintToString(ProgramPath());
    block_.resize(size);
    ASSERT_TRUE(GetFileVersionInfoW(ProgramPath().c_str(), 0, size, block_.data()));
  }

  const void* Query(const std::wstring& path, UINT* length) {
    void* value = nullptr;
    *length = 0;
    if (!VerQueryValueW(block_.data(), path.c_str(), &value, length)) return nullptr;
    return value;
  }

  // The string under the first translation the block lists.
  std::wstring String(const wchar_t* name) {
    UINT length = 0;
    const auto* translation =
        static_cast<const WORD*>(Query(L"\\VarFileInfo\\Translation", &length));
    if (translation == nullptr || length < 2 * sizeof(WORD)) return L"<no translation>";
    wchar_t path[96];
    swprintf(path, 96, L"\\StringFileInfo\\%04x%04x\\%ls", translation[0], translation[1], name);
    const auto* text = static_cast<const wchar_t*>(Query(path, &length));
    if (text == nullptr) return L"<missing>";
    return std::wstring(text, wcsnlen(text, length));
  }

  std::vector<unsigned char> block_;
};

TEST_F(VersionBlock, FixedVersionsMatchTheProject) {
  UINT length = 0;
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(Query(L"\\", &length));
  ASSERT_NE(fixed, nullptr);
  ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  const std::vector<WORD> v = ExpectedVersion();
  EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(v[1], v[0])));
  EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MAKELONG(v[3], v[2])));
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
  EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask & VS_FF_DEBUG, 0u);
}

TEST_F(VersionBlock, StringsAreUnicodeZhCn) {
  UINT length = 0;
  const auto* translation = static_cast<const WORD*>(Query(L"\\VarFileInfo\\Translation", &length));
  ASSERT_NE(translation, nullptr);
  ASSERT_EQ(length, 2 * sizeof(WORD));
  EXPECT_EQ(translation[0], 0x0804);
  EXPECT_EQ(translation[1], 1200);  // UTF-16
}

TEST_F(VersionBlock, NamesTheProductAndItsMaker) {
  EXPECT_EQ(String(L"ProductName"), L"Pellomi");
  EXPECT_EQ(String(L"CompanyName"), L"Norvane");
  EXPECT_EQ(String(L"OriginalFilename"), L"Pellomi.exe");
  EXPECT_EQ(String(L"InternalName"), L"Pellomi");
  EXPECT_EQ(String(L"FileVersion"), ExpectedVersionText());
  EXPECT_EQ(String(L"ProductVersion"), ExpectedVersionText());
  EXPECT_NE(String(L"LegalCopyright").find(L"Norvane"), std::wstring::npos);
  // Chinese must survive the resource compiler as UTF-16, not as bytes of some code page.
  EXPECT_EQ(String(L"FileDescription"), L"Pellomi \x5012\x8BA1\x65F6\x5C0F\x7EC4\x4EF6");
}

struct ModuleFree {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
using UniqueModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFree>;

class ProgramResources : public ::testing::Test {
 protected:
  void SetUp() override {
    module_.reset(LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(module_) << "cannot open Pellomi.exe as data, error " << GetLastError();
  }

  std::vector<unsigned char> Bytes(LPCWSTR type, LPCWSTR name) {
    HRSRC found = FindResourceW(module_.get(), name, type);
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(module_.get(), found);
    const auto* data = static_cast<const unsigned char*>(LockResource(loaded));
    if (data == nullptr) return {};
    return std::vector<unsigned char>(data, data + SizeofResource(module_.get(), found));
  }

  // Names of the resources of `type` in enumeration order (named first, then ids ascending).
  std::vector<ULONG_PTR> Ids(LPCWSTR type) {
    std::vector<ULONG_PTR> ids;
    EnumResourceNamesW(
        module_.get(), type,
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR list) -> BOOL {
          // A named resource is recorded as 0, which no integer id can be.
          reinterpret_cast<std::vector<ULONG_PTR>*>(list)->push_back(
              IS_INTRESOURCE(name) ? reinterpret_cast<ULONG_PTR>(name) : 0);
          return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&ids));
    return ids;
  }

  UniqueModule module_;
};

std::string Lower(const std::vector<unsigned char>& bytes) {
  std::string text(bytes.begin(), bytes.end());
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

TEST_F(ProgramResources, HasExactlyOneManifest) {
  // A second one (a toolchain default, say) would make the loader's choice arbitrary.
  EXPECT_EQ(Ids(RT_MANIFEST), std::vector<ULONG_PTR>{IDR_PELLOMI_MANIFEST});
}

TEST_F(ProgramResources, ManifestRunsAsInvokerWithCommonControls6) {
  const std::string manifest = Lower(Bytes(RT_MANIFEST, MAKEINTRESOURCEW(IDR_PELLOMI_MANIFEST)));
  ASSERT_FALSE(manifest.empty());
  EXPECT_NE(manifest.find("level=\"asinvoker\""), std::string::npos);
  EXPECT_NE(manifest.find("name=\"microsoft.windows.common-controls\""), std::string::npos);
  EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
  EXPECT_NE(manifest.find("publickeytoken=\"6595b64144ccf1df\""), std::string::npos);
  for (const char* os : {"35138b9a-5d96-4fbd-8e2d-a2440225f93a",     // 7
                         "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",     // 8
                         "1f676c76-80e1-4239-95bb-83d0f6d0da78",     // 8.1
                         "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"}) {  // 10 and 11
    EXPECT_NE(manifest.find(os), std::string::npos) << "supportedOS " << os;
  }
  // The widget scales its own layout: per-monitor v2, else v1, else the older per-monitor or
  // system awareness. Without it Windows stretches the window's bitmap and blurs the text.
  EXPECT_NE(manifest.find(">permonitorv2, permonitor</dpiawareness>"), std::string::npos);
  EXPECT_NE(manifest.find(">true/pm</dpiaware>"), std::string::npos);
}

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width, height, colourCount, reserved;
  WORD planes, bitCount;
  DWORD bytesInRes;
  WORD id;
};
#pragma pack(pop)
static_assert(sizeof(GroupIconEntry) == 14);

TEST_F(ProgramResources, ProgramIconIsTheFirstGroupAndEveryImageLoads) {
  const std::vector<ULONG_PTR> groups = Ids(RT_GROUP_ICON);
  ASSERT_FALSE(groups.empty());
  EXPECT_EQ(groups.front(), static_cast<ULONG_PTR>(IDI_PELLOMI));

  const std::vector<unsigned char> group = Bytes(RT_GROUP_ICON, MAKEINTRESOURCEW(IDI_PELLOMI));
  ASSERT_GE(group.size(), 6u);
  WORD header[3];
  std::memcpy(header, group.data(), sizeof header);
  EXPECT_EQ(header[1], 1);  // icons, not cursors
  const WORD count = header[2];
  ASSERT_EQ(group.size(), 6u + count * sizeof(GroupIconEntry));

  std::vector<int> sizes;
  for (WORD i = 0; i < count; ++i) {
    GroupIconEntry entry;
    std::memcpy(&entry, group.data() + 6 + i * sizeof(GroupIconEntry), sizeof entry);
    const int size = entry.width == 0 ? 256 : entry.width;
    sizes.push_back(size);
    EXPECT_EQ(entry.bitCount, 32);
    std::vector<unsigned char> image = Bytes(RT_ICON, MAKEINTRESOURCEW(entry.id));
    ASSERT_EQ(image.size(), entry.bytesInRes) << "image " << entry.id;
    platform::UniqueIcon icon(CreateIconFromResourceEx(
        image.data(), static_cast<DWORD>(image.size()), TRUE, 0x00030000, size, size, 0));
    EXPECT_TRUE(icon) << "image of " << size << " pixels does not load";
  }
  // Explorer and the taskbar draw 16 and 32 pixels; large views use 256.
  for (int wanted : {16, 32, 256}) {
    EXPECT_TRUE(std::find(sizes.begin(), sizes.end(), wanted) != sizes.end())
        << "no " << wanted << "-pixel image";
  }
}

}  // namespace
}  // namespace pellomi
