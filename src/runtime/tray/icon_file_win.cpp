#include "tray/icon_file_win.h"

#include <windows.h>

#include "gbk_win.h"
#include "handles_win.h"

namespace pellomi {
namespace {

// ICO offsets and sizes are 32-bit, and real icon files are far smaller than this; a bigger file
// is not worth a giant allocation.
constexpr LONGLONG kLargestIconFile = 64LL * 1024 * 1024;

}  // namespace

std::vector<std::uint8_t> ReadIconFile(const char* gbkPath) {
  if (gbkPath == nullptr || *gbkPath == '\0') return {};
  const std::wstring path = platform::WideFromGbk(gbkPath);
  // Others may read the file meanwhile, but not write it.
  const platform::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0 || size.QuadPart > kLargestIconFile) {
    return {};
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  if (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
    read = 0;
  }
  bytes.resize(read);
  return bytes;
}

}  // namespace pellomi
