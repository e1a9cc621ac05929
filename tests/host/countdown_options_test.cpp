// The command line: each option, every refusal, and no arguments at all.
#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <string>
#include <vector>

#include "countdown_options.h"

namespace pellomi {
namespace {

// The C library's converter; none when a character has no place in the target encoding.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view text) {
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

std::string_view Bytes(std::u16string_view text) {
  return {reinterpret_cast<const char*>(text.data()), text.size() * 2};
}

// Stands in for the system's code page 936 here.
std::optional<std::string> IconvGbk(std::u16string_view text) {
  return Convert("GBK", "UTF-16LE", Bytes(text));
}

// The outcome in words (UTF-8), so that the table can say what it expects.
std::string Describe(const OptionsOutcome& outcome) {
  if (std::holds_alternative<HelpRequest>(outcome)) return "help";
  if (const auto* refusal = std::get_if<OptionsRefusal>(&outcome)) {
    const char* problems[] = {"unknown",          "missing value",
                              "bad date",         "unrepresentable title",
                              "control in title", "unknown position"};
    return std::string(problems[static_cast<int>(refusal->problem)]) + ": " +
           Convert("UTF-8", "UTF-16LE", Bytes(refusal->argument)).value_or("?");
  }
  const auto& options = std::get<CountdownOptions>(outcome);
  std::string text = "target " + std::to_string(static_cast<long>(options.target));
  if (options.title) text += ", title [" + Convert("UTF-8", "GBK", *options.title).value() + "]";
  if (options.position) text += ", place " + std::to_string(static_cast<int>(*options.position));
  return text;
}

TEST(CountdownOptions, ParsesOrRefusesEachCommandLine) {
  // 45450 is 2024-06-07, the target without options; 46545 is 2027-06-07.
  const struct {
    std::vector<std::u16string> args;
    std::string expected;
  } cases[] = {
      {{}, "target 45450"},
      {{u"--target", u"2027/06/07"}, "target 46545"},
      {{u"--target", u"2027-6-7"}, "target 46545"},
      {{u"--target", u"2027年6月7日"}, "target 46545"},
      {{u"--target", u"２０２７／０６／０７"}, "target 46545"},
      {{u"--target", u"2027/06/07 18:30"}, "target 46545"},  // the day's midnight
      {{u"--target", u"2024/02/29", u"--target", u"2027/06/07"}, "target 46545"},
      {{u"--title", u"My \"big\" day "}, "target 45450, title [My \"big\" day ]"},
      {{u"--title", u"我的 生日", u"--target", u"2027/6/7"}, "target 46545, title [我的 生日]"},
      {{u"--title", u""}, "target 45450, title []"},
      {{u"--help"}, "help"},
      {{u"-h"}, "help"},
      {{u"--target", u"2027/06/07", u"/?"}, "help"},
      {{u"--bogus"}, "unknown: --bogus"},
      {{u"2027/06/07"}, "unknown: 2027/06/07"},
      {{u"--target", u"2027/06/07", u"-x", u"--help"}, "unknown: -x"},
      {{u"--target"}, "missing value: --target"},
      {{u"--title", u"A", u"--title"}, "missing value: --title"},
      {{u"--target", u"2027/13/01"}, "bad date: 2027/13/01"},
      {{u"--target", u"27/06/07"}, "bad date: 27/06/07"},
      {{u"--target", u""}, "bad date: "},
      {{u"--target", u"2027/06/07🎉"}, "bad date: 2027/06/07🎉"},
      {{u"--title", u"生日🎉"}, "unrepresentable title: 生日🎉"},
      {{u"--title", u"Ä"}, "unrepresentable title: Ä"},
      // --option=value; the value may be empty or hold another "="
      {{u"--target=2027/06/07", u"--title=a=b"}, "target 46545, title [a=b]"},
      {{u"--title="}, "target 45450, title []"},
      {{u"--target="}, "bad date: "},
      {{u"--help=1"}, "unknown: --help=1"},
      {{u"--bogus=1"}, "unknown: --bogus=1"},
      {{u"-title=x"}, "unknown: -title=x"},
      // titles: one line of visible characters
      {{u"--title", u"第一行\n第二行"}, "control in title: 第一行\n第二行"},
      {{u"--title=a\tb"}, "control in title: a\tb"},
      {{u"--title", u"a\u0085b"}, "control in title: a\u0085b"},
      {{u"--title", u"a\u007Fb"}, "control in title: a\u007Fb"},
      // places by the menu's names and in English (numbered top-left 0 .. bottom-right 5)
      {{u"--position", u"左上角"}, "target 45450, place 0"},
      {{u"--position", u"上中"}, "target 45450, place 1"},
      {{u"--position", u"右上角"}, "target 45450, place 2"},
      {{u"--position", u"左下角"}, "target 45450, place 3"},
      {{u"--position", u"下中"}, "target 45450, place 4"},
      {{u"--position=右下角"}, "target 45450, place 5"},
      {{u"--position", u"top-left"}, "target 45450, place 0"},
      {{u"--position", u"top-center"}, "target 45450, place 1"},
      {{u"--position", u"top-right"}, "target 45450, place 2"},
      {{u"--position", u"bottom-left"}, "target 45450, place 3"},
      {{u"--position=bottom-center"}, "target 45450, place 4"},
      {{u"--position", u"bottom-right", u"--position", u"上中"}, "target 45450, place 1"},
      {{u"--position", u"Top-Left"}, "unknown position: Top-Left"},
      {{u"--position", u"中"}, "unknown position: 中"},
      {{u"--position", u""}, "unknown position: "},
      {{u"--position", u"右下角🎉"}, "unknown position: 右下角🎉"},
      {{u"--position"}, "missing value: --position"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Describe(ParseCountdownOptions(c.args, IconvGbk)), c.expected)
        << "arguments: " << c.args.size();
  }
}

}  // namespace
}  // namespace pellomi
