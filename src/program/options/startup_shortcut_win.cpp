#include "options/startup_shortcut_win.h"

#include <windows.h>
// Need the types of windows.h.
#include <shlobj.h>
#include <shobjidl.h>

#include <memory>

#include "com_ptr_win.h"
#include "gbk_win.h"
#include "options/options_texts.h"
#include "options/startup_shortcut.h"

namespace pellomi {
namespace {

std::wstring Wide(std::u16string_view text) {
  return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

struct CoTaskMemDeleter {
  void operator()(wchar_t* block) const { CoTaskMemFree(block); }
};

// This program's own path, however long.
std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  while (true) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // cut short: try a larger buffer
  }
}

std::wstring ReasonText(HRESULT result) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring reason;
  if (length != 0 && text != nullptr) reason.assign(text, length);
  if (text != nullptr) LocalFree(text);
  while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r')) reason.pop_back();
  wchar_t code[16];
  wsprintfW(code, L"0x%08X", static_cast<unsigned>(result));
  return reason.empty() ? code : reason + L" (" + code + L")";
}

HRESULT LastErrorResult() {
  return HRESULT_FROM_WIN32(GetLastError());
}

HRESULT WriteShortcut(const std::wstring& file, std::span<const std::u16string> args) {
  const std::wstring program = ModulePath();
  if (program.empty()) return LastErrorResult();
  const std::wstring folder = program.substr(0, program.find_last_of(L'\\') + 1);
  platform::ComPtr<IShellLinkW> link;
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                    link.PutVoid());
  if (FAILED(result)) return result;
  const std::wstring arguments = Wide(ShortcutArguments(args));
  if (FAILED(result = link->SetPath(program.c_str()))) return result;
  if (FAILED(result = link->SetArguments(arguments.c_str()))) return result;
  if (FAILED(result = link->SetWorkingDirectory(folder.c_str()))) return result;
  platform::ComPtr<IPersistFile> persist;
  if (FAILED(result = link->QueryInterface(IID_IPersistFile, persist.PutVoid()))) return result;
  // Save replaces an earlier shortcut of the same name.
  return persist->Save(file.c_str(), TRUE);
}

HRESULT RemoveShortcut(const std::wstring& file) {
  if (DeleteFileW(file.c_str())) return S_OK;
  const DWORD error = GetLastError();
  if (error == ERROR_FILE_NOT_FOUND) return S_OK;  // none there is what was asked
  return HRESULT_FROM_WIN32(error);
}

void ShowFailure(const std::wstring& folder, HRESULT result) {
  const std::wstring text = platform::WideFromGbk(texts::kStartupFailed) + L"\r\n" + folder +
                            L"\r\n\r\n" + ReasonText(result);
  const std::wstring caption = platform::WideFromGbk(texts::kOptionsBoxCaption);
  MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

}  // namespace

bool ApplyStartupShortcut(const CountdownOptions& options, std::span<const std::u16string> args) {
  if (!options.startup) return true;
  const platform::ComApartment apartment;
  HRESULT result = apartment.Result();
  std::wstring folder;
  if (SUCCEEDED(result)) {
    wchar_t* found = nullptr;
    result = SHGetKnownFolderPath(FOLDERID_Startup, KF_FLAG_CREATE, nullptr, &found);
    const std::unique_ptr<wchar_t, CoTaskMemDeleter> owned(found);  // freed even on failure
    if (SUCCEEDED(result)) folder = found;
  }
  if (SUCCEEDED(result)) {
    std::optional<std::u16string> title;
    if (options.title) {
      const std::wstring wide = platform::WideFromGbk(*options.title);
      title.emplace(reinterpret_cast<const char16_t*>(wide.data()), wide.size());
    }
    const std::wstring file = folder + L"\\" + Wide(ShortcutFileName(title));
    result = *options.startup == StartupShortcut::kWrite ? WriteShortcut(file, args)
                                                         : RemoveShortcut(file);
  }
  if (FAILED(result)) {
    ShowFailure(folder.empty() ? L"FOLDERID_Startup" : folder, result);
    return false;
  }
  return true;
}

}  // namespace pellomi
