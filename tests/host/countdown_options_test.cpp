// The command line: each option, every refusal, and no arguments at all.
#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <string>
#include <vector>

#include "countdown_options.h"

namespace pellomi {
namespace {

// The C library's GBK converter stands in for the system's code page 936 here.
std::optional<std::string> IconvGbk(std::u16string_view text) {
  iconv_t cd = iconv_open("GBK", "UTF-16LE");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string in(reinterpret_cast<const char*>(text.data()), text.size() * 2);
  std::string out(text.size() * 4 + 4, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  std::size_t inLeft = in.size(), outLeft = out.size();
  const std::size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (done == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

constexpr DateTime kDefault = 45450.0;  // 2024-06-07
constexpr DateTime kJune7th2027 = 46545.0;

struct Expected {
  enum Kind { kRun, kHelp, kRefused } kind;
  DateTime target = kDefault;
  std::optional<std::string> title = std::nullopt;
  OptionsProblem problem = OptionsProblem::kUnknownOption;
  std::u16string argument = u"";
};

Expected Starts(DateTime target, std::optional<std::string> title = std::nullopt) {
  return {Expected::kRun, target, std::move(title)};
}
Expected ShowsHelp() {
  return {Expected::kHelp};
}
Expected Refused(OptionsProblem problem, std::u16string argument) {
  return {Expected::kRefused, kDefault, std::nullopt, problem, std::move(argument)};
}

TEST(CountdownOptions, ParsesOrRefusesEachCommandLine) {
  using P = OptionsProblem;
  const struct {
    std::vector<std::u16string> args;
    Expected expected;
  } cases[] = {
      {{}, Starts(kDefault)},
      {{u"--target", u"2027/06/07"}, Starts(kJune7th2027)},
      {{u"--target", u"2027-6-7"}, Starts(kJune7th2027)},
      {{u"--target", u"2027年6月7日"}, Starts(kJune7th2027)},
      {{u"--target", u"２０２７／０６／０７"}, Starts(kJune7th2027)},
      {{u"--target", u"2027/06/07 18:30"}, Starts(kJune7th2027)},  // midnight at the day's start
      {{u"--target", u"2024/02/29", u"--target", u"2027/06/07"}, Starts(kJune7th2027)},
      {{u"--title", u"My \"big\" day "}, Starts(kDefault, "My \"big\" day ")},
      {{u"--title", u"我的 生日", u"--target", u"2027/6/7"},
       Starts(kJune7th2027, "\xCE\xD2\xB5\xC4 \xC9\xFA\xC8\xD5")},
      {{u"--title", u""}, Starts(kDefault, "")},
      {{u"--help"}, ShowsHelp()},
      {{u"-h"}, ShowsHelp()},
      {{u"--target", u"2027/06/07", u"/?"}, ShowsHelp()},
      {{u"--bogus"}, Refused(P::kUnknownOption, u"--bogus")},
      {{u"2027/06/07"}, Refused(P::kUnknownOption, u"2027/06/07")},
      {{u"--target", u"2027/06/07", u"-x", u"--help"}, Refused(P::kUnknownOption, u"-x")},
      {{u"--target"}, Refused(P::kMissingValue, u"--target")},
      {{u"--title", u"A", u"--title"}, Refused(P::kMissingValue, u"--title")},
      {{u"--target", u"2027/13/01"}, Refused(P::kBadDate, u"2027/13/01")},
      {{u"--target", u"27/06/07"}, Refused(P::kBadDate, u"27/06/07")},
      {{u"--target", u""}, Refused(P::kBadDate, u"")},
      {{u"--target", u"2027/06/07🎉"}, Refused(P::kBadDate, u"2027/06/07🎉")},
      {{u"--title", u"生日🎉"}, Refused(P::kUnrepresentableTitle, u"生日🎉")},
      {{u"--title", u"Ä"}, Refused(P::kUnrepresentableTitle, u"Ä")},
  };
  for (const auto& c : cases) {
    std::string described;
    for (const std::u16string& arg : c.args) described += "[" + IconvGbk(arg).value_or("?") + "]";
    SCOPED_TRACE(described);
    const OptionsOutcome outcome = ParseCountdownOptions(c.args, IconvGbk);
    switch (c.expected.kind) {
      case Expected::kRun: {
        const auto* options = std::get_if<CountdownOptions>(&outcome);
        ASSERT_NE(options, nullptr);
        EXPECT_EQ(options->target, c.expected.target);
        EXPECT_EQ(options->title, c.expected.title);
        break;
      }
      case Expected::kHelp:
        EXPECT_TRUE(std::holds_alternative<HelpRequest>(outcome));
        break;
      case Expected::kRefused: {
        const auto* refusal = std::get_if<OptionsRefusal>(&outcome);
        ASSERT_NE(refusal, nullptr);
        EXPECT_EQ(refusal->problem, c.expected.problem);
        EXPECT_TRUE(refusal->argument == c.expected.argument);
        break;
      }
    }
  }
}

}  // namespace
}  // namespace pellomi
