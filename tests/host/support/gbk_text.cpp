#include "host/support/gbk_text.h"

#include <iconv.h>

namespace pellomi {
namespace {

std::string_view Bytes(std::u16string_view text) {
  return {reinterpret_cast<const char*>(text.data()), text.size() * 2};
}

}  // namespace

std::optional<std::string> ConvertText(const char* to, const char* from, std::string_view text) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string in(text), out(text.size() * 4 + 4, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  std::size_t inLeft = in.size(), outLeft = out.size();
  const std::size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (done == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

std::optional<std::string> IconvGbk(std::u16string_view text) {
  return ConvertText("GBK", "UTF-16LE", Bytes(text));
}

std::string Utf8Of(std::u16string_view text) {
  return ConvertText("UTF-8", "UTF-16LE", Bytes(text)).value_or("?");
}

}  // namespace pellomi
