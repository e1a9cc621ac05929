#include "probe_args_win.h"

#include <shellapi.h>

#include <cstdlib>
#include <cwchar>

namespace pellomi::probe {

ProbeArgs ProbeArgs::FromCommandLine() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  return FromArgv(argv, count);
}

ProbeArgs ProbeArgs::FromRequest(const std::wstring& line) {
  // The first word of a command line is the program name, which is parsed differently.
  const std::wstring command_line = L"probe " + line;
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(command_line.c_str(), &count);
  return FromArgv(argv, count);
}

// Takes ownership of argv (LocalFree).
ProbeArgs ProbeArgs::FromArgv(LPWSTR* argv, int count) {
  ProbeArgs args;
  if (argv == nullptr) return args;
  if (count > 1) args.command_ = argv[1];
  for (int i = 2; i < count; ++i) {
    std::wstring word = argv[i];
    if (word.rfind(L"--", 0) != 0) continue;
    std::wstring name = word.substr(2);
    const bool has_value = i + 1 < count && std::wcsncmp(argv[i + 1], L"--", 2) != 0;
    args.options_[name] = has_value ? argv[++i] : L"";
  }
  LocalFree(argv);
  return args;
}

std::wstring ProbeArgs::Get(const std::wstring& name, const std::wstring& fallback) const {
  const auto found = options_.find(name);
  return found == options_.end() ? fallback : found->second;
}

long ProbeArgs::GetInt(const std::wstring& name, long fallback) const {
  const auto found = options_.find(name);
  if (found == options_.end() || found->second.empty()) return fallback;
  return std::wcstol(found->second.c_str(), nullptr, 0);
}

bool ProbeArgs::GetRect(const std::wstring& name, RECT& rect) const {
  const auto found = options_.find(name);
  if (found == options_.end()) return false;
  long left = 0, top = 0, width = 0, height = 0;
  if (std::swscanf(found->second.c_str(), L"%ld,%ld,%ld,%ld", &left, &top, &width, &height) != 4 ||
      width <= 0 || height <= 0) {
    return false;
  }
  rect = {left, top, left + width, top + height};
  return true;
}

}  // namespace pellomi::probe
