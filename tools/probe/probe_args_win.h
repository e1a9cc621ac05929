#pragma once
// The probe's command line: a command word followed by "--name value" options (or bare flags).
#include <windows.h>

#include <map>
#include <string>

namespace pellomi::probe {

class ProbeArgs {
 public:
  // Reads the UTF-16 command line, so Chinese window titles arrive intact.
  static ProbeArgs FromCommandLine();
  // Parses one request line of the serve mode ("COMMAND --name value ...") with the same rules.
  static ProbeArgs FromRequest(const std::wstring& line);

  const std::wstring& Command() const { return command_; }
  bool Has(const std::wstring& name) const { return options_.count(name) != 0; }
  std::wstring Get(const std::wstring& name, const std::wstring& fallback = L"") const;
  long GetInt(const std::wstring& name, long fallback) const;
  // "left,top,width,height" as a RECT; false when absent or malformed.
  bool GetRect(const std::wstring& name, RECT& rect) const;

 private:
  static ProbeArgs FromArgv(LPWSTR* argv, int count);
  std::wstring command_;
  std::map<std::wstring, std::wstring> options_;
};

}  // namespace pellomi::probe
