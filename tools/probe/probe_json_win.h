#pragma once
// Minimal JSON building for the probe's one-line reports (UTF-8 output).
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace pellomi::probe {

std::string Utf8FromWide(std::wstring_view text);
std::string JsonQuote(std::string_view utf8);

// Builds one JSON object or array; values are appended in call order.
class JsonBuilder {
 public:
  static JsonBuilder Object() { return JsonBuilder('{', '}'); }
  static JsonBuilder Array() { return JsonBuilder('[', ']'); }

  JsonBuilder& Add(std::string_view key, std::int64_t value);
  JsonBuilder& Add(std::string_view key, bool value);
  JsonBuilder& Add(std::string_view key, std::wstring_view value);
  JsonBuilder& AddRaw(std::string_view key, const std::string& json);
  JsonBuilder& Add(std::string_view key, int value) { return Add(key, std::int64_t{value}); }
  JsonBuilder& Add(std::string_view key, const wchar_t* value) {
    return Add(key, std::wstring_view(value));
  }
  // Array elements.
  JsonBuilder& Push(std::int64_t value);
  JsonBuilder& Push(bool value);
  JsonBuilder& PushRaw(const std::string& json);

  std::string Str() const { return text_ + close_; }

 private:
  JsonBuilder(char open, char close) : text_(1, open), close_(close) {}
  void Key(std::string_view key);
  std::string text_;
  char close_;
  bool first_ = true;
};

std::string JsonRect(const RECT& rect);
std::string JsonHandle(HWND window);
std::int64_t HandleValue(const void* handle);

// Writes one line to standard output at once, so the reader sees whole reports.
void PrintLine(const std::string& line);

}  // namespace pellomi::probe
