#include "late_bound/dll_command_win.h"

#include <memory>
#include <string>

#include "gbk_win.h"
#include "handles_win.h"
#include "late_bound/dll_command_inspection_win.h"

namespace pellomi {
namespace {

class SystemLibrary final : public LoadedLibrary {
 public:
  explicit SystemLibrary(platform::UniqueModule module) : module_(std::move(module)) {}
  void* FindExport(const ExportReference& reference) const override {
    const char* name =
        reference.byOrdinal ? MAKEINTRESOURCEA(reference.ordinal) : reference.name.c_str();
    return reinterpret_cast<void*>(GetProcAddress(module_.Get(), name));
  }
  HMODULE Module() const { return module_.Get(); }

 private:
  platform::UniqueModule module_;
};

// AddDllDirectory came with the update that brought the search flags (KB2533623, built into
// Windows 8): its presence is the documented sign that LoadLibraryExW accepts them.
bool SearchFlagsSupported() {
  static const bool supported =
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "AddDllDirectory") != nullptr;
  return supported;
}

std::string SystemFolder() {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return platform::ExactGbkFromWide(std::wstring_view(folder, length)).value_or(std::string());
}

class SystemLibraryLoader : public LibraryLoader {
 public:
  std::unique_ptr<LoadedLibrary> Load(const LibraryLoadAttempt& attempt) override {
    const LibraryLoadCall call = PlanLibraryLoad(attempt, SearchFlagsSupported(), SystemFolder());
    const std::wstring path = platform::WideFromGbk(call.path);
    platform::UniqueModule module(LoadLibraryExW(path.c_str(), nullptr, call.flags));
    if (!module) return nullptr;
    return std::make_unique<SystemLibrary>(std::move(module));
  }
};

SystemLibraryLoader& Loader() {
  static SystemLibraryLoader loader;
  return loader;
}

DllCommandBinder& Binder() {
  static DllCommandBinder binder(ProgramDllCommands(), Loader());
  return binder;
}

template <typename Function>
Function Bound(DllCommandIndex index) {
  return reinterpret_cast<Function>(DllCommandAddress(index));
}

}  // namespace

void* DllCommandAddress(DllCommandIndex index) {
  return Binder().Bind(static_cast<int>(index));
}

bool IsDllCommandBound(DllCommandIndex index) {
  return Binder().IsBound(static_cast<int>(index));
}

HMODULE DllCommandModule(DllCommandIndex index) {
  // The program's table binds only through the system loader.
  const auto* library =
      static_cast<const SystemLibrary*>(Binder().LibraryOf(static_cast<int>(index)));
  return library != nullptr ? library->Module() : nullptr;
}

LibraryLoader& SystemLibraryLoading() {
  return Loader();
}

void UnloadDllCommands() {
  Binder().UnloadAll();
}

std::int32_t DllGetWindowLong(HWND window, std::int32_t index) {
  using Fn = LONG(WINAPI*)(HWND, int);
  return Bound<Fn>(DllCommandIndex::kGetWindowLong)(window, index);
}

std::int32_t DllSetWindowLong(HWND window, std::int32_t index, std::int32_t value) {
  using Fn = LONG(WINAPI*)(HWND, int, LONG);
  return Bound<Fn>(DllCommandIndex::kSetWindowLong)(window, index, value);
}

bool DllSetLayeredWindowAttributes(HWND window, COLORREF colourKey, std::uint8_t alpha,
                                   std::uint32_t flags) {
  using Fn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  return Bound<Fn>(DllCommandIndex::kSetLayeredWindowAttributes)(window, colourKey, alpha, flags) !=
         FALSE;
}

HRGN DllCreateRoundRectRgn(std::int32_t left, std::int32_t top, std::int32_t right,
                           std::int32_t bottom, std::int32_t ellipseWidth,
                           std::int32_t ellipseHeight) {
  using Fn = HRGN(WINAPI*)(int, int, int, int, int, int);
  return Bound<Fn>(DllCommandIndex::kCreateRoundRectRgn)(left, top, right, bottom, ellipseWidth,
                                                         ellipseHeight);
}

bool DllSetWindowRgn(HWND window, HRGN region, bool redraw) {
  using Fn = int(WINAPI*)(HWND, HRGN, BOOL);
  return Bound<Fn>(DllCommandIndex::kSetWindowRgn)(window, region, redraw ? TRUE : FALSE) != 0;
}

bool DllDeleteObject(HGDIOBJ object) {
  using Fn = BOOL(WINAPI*)(HGDIOBJ);
  return Bound<Fn>(DllCommandIndex::kDeleteObject)(object) != FALSE;
}

bool DllGetClientRect(HWND window, RECT* rect) {
  using Fn = BOOL(WINAPI*)(HWND, LPRECT);
  return Bound<Fn>(DllCommandIndex::kGetClientRect)(window, rect) != FALSE;
}

}  // namespace pellomi
