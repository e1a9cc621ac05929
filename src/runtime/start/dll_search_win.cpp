#include "start/dll_search_win.h"

namespace pellomi {
namespace {

void* KernelExport(const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name));
}

}  // namespace

bool RestrictDllSearchToSystemFolder(KernelExportLookup lookup) {
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  const auto setDefault =
      reinterpret_cast<SetDefaultDllDirectoriesFn>(lookup("SetDefaultDllDirectories"));
  return setDefault != nullptr && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32) != FALSE;
}

bool RestrictDllSearchToSystemFolder() {
  return RestrictDllSearchToSystemFolder(KernelExport);
}

}  // namespace pellomi
