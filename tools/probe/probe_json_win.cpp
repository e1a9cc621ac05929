#include "probe_json_win.h"

#include <cstdio>

namespace pellomi::probe {

std::string Utf8FromWide(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) {
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                        nullptr, nullptr);
  }
  return result;
}

std::string JsonQuote(std::string_view utf8) {
  std::string out = "\"";
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

void JsonBuilder::Key(std::string_view key) {
  if (!first_) text_ += ',';
  first_ = false;
  if (!key.empty()) text_ += JsonQuote(key) + ":";
}

JsonBuilder& JsonBuilder::Add(std::string_view key, std::int64_t value) {
  Key(key);
  text_ += std::to_string(value);
  return *this;
}

JsonBuilder& JsonBuilder::Add(std::string_view key, bool value) {
  Key(key);
  text_ += value ? "true" : "false";
  return *this;
}

JsonBuilder& JsonBuilder::Add(std::string_view key, std::wstring_view value) {
  Key(key);
  text_ += JsonQuote(Utf8FromWide(value));
  return *this;
}

JsonBuilder& JsonBuilder::AddRaw(std::string_view key, const std::string& json) {
  Key(key);
  text_ += json;
  return *this;
}

JsonBuilder& JsonBuilder::Push(std::int64_t value) {
  return Add("", value);
}
JsonBuilder& JsonBuilder::Push(bool value) {
  return Add("", value);
}
JsonBuilder& JsonBuilder::PushRaw(const std::string& json) {
  return AddRaw("", json);
}

std::string JsonRect(const RECT& rect) {
  return JsonBuilder::Array()
      .Push(std::int64_t{rect.left})
      .Push(std::int64_t{rect.top})
      .Push(std::int64_t{rect.right})
      .Push(std::int64_t{rect.bottom})
      .Str();
}

std::int64_t HandleValue(const void* handle) {
  return static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(handle));
}

std::string JsonHandle(HWND window) {
  return std::to_string(HandleValue(window));
}

void PrintLine(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace pellomi::probe
