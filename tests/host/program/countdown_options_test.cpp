// The command line: each option, every refusal, and no arguments at all.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "host/support/gbk_text.h"
#include "options/countdown_options.h"

namespace pellomi {
namespace {

// The outcome in words (UTF-8), so that the table can say what it expects.
std::string Describe(const OptionsOutcome& outcome) {
  if (std::holds_alternative<HelpRequest>(outcome)) return "help";
  if (const auto* refusal = std::get_if<OptionsRefusal>(&outcome)) {
    const char* problems[] = {"unknown",
                              "missing value",
                              "bad date",
                              "lunar year out of range",
                              "unrepresentable title",
                              "control in title",
                              "unknown position",
                              "bad screen",
                              "bad size",
                              "bad fullscreen"};
    return std::string(problems[static_cast<int>(refusal->problem)]) + ": " +
           Utf8Of(refusal->argument);
  }
  const auto& options = std::get<CountdownOptions>(outcome);
  std::string text = "default";
  if (options.target) {
    if (const auto* once = std::get_if<OnceDate>(&*options.target)) {
      text = "once " + std::to_string(static_cast<long>(once->day));
    } else if (const auto* yearly = std::get_if<YearlyDate>(&*options.target)) {
      text = "yearly " + std::to_string(yearly->month) + "/" + std::to_string(yearly->day);
    } else {
      const auto& lunar = std::get<YearlyLunarDate>(*options.target);
      text = "lunar " + std::to_string(lunar.month) + "/" + std::to_string(lunar.day);
    }
  }
  if (options.title)
    text += ", title [" + ConvertText("UTF-8", "GBK", *options.title).value() + "]";
  if (options.position) text += ", place " + std::to_string(static_cast<int>(*options.position));
  if (options.screen) text += ", screen " + std::to_string(*options.screen);
  if (options.sizePercent) text += ", size " + std::to_string(*options.sizePercent);
  if (options.fullscreen) {
    text += options.fullscreen == FullscreenMode::kShow ? ", fullscreen show" : ", fullscreen hide";
  }
  if (options.startup) {
    text += options.startup == StartupShortcut::kWrite ? ", startup" : ", startup off";
  }
  return text;
}

TEST(CountdownOptions, ParsesOrRefusesEachCommandLine) {
  // 46545 is 2027-06-07.
  const struct {
    std::vector<std::u16string> args;
    std::string expected;
  } cases[] = {
      {{}, "default"},
      {{u"--target", u"2027/06/07"}, "once 46545"},
      {{u"--target", u"2027-6-7"}, "once 46545"},
      {{u"--target", u"2027年6月7日"}, "once 46545"},
      {{u"--target", u"２０２７／０６／０７"}, "once 46545"},
      {{u"--target", u"2027/06/07 18:30"}, "once 46545"},  // the day's midnight
      {{u"--target", u"2024/02/29", u"--target", u"2027/06/07"}, "once 46545"},
      // every year: a month and day without a year; lunar dates and festivals
      {{u"--target", u"6/7"}, "yearly 6/7"},
      {{u"--target", u"06-07"}, "yearly 6/7"},
      {{u"--target", u"6月7日"}, "yearly 6/7"},
      {{u"--target=２月２９日"}, "yearly 2/29"},
      {{u"--target", u"元旦"}, "yearly 1/1"},
      {{u"--target", u"农历八月十五"}, "lunar 8/15"},
      {{u"--target", u"农历闰四月初八"}, "lunar 4/8"},  // yearly: the ordinary month
      {{u"--target", u"农历冬月廿九"}, "lunar 11/29"},
      {{u"--target", u"农历十二月三十"}, "lunar 12/30"},
      {{u"--target", u"除夕"}, "lunar 12/30"},
      {{u"--target", u"中秋"}, "lunar 8/15"},
      {{u"--target", u"农历２０２７年正月初一"}, "once 46424"},  // 春节 2027: 6 February
      {{u"--target", u"6/31"}, "bad date: 6/31"},
      {{u"--target", u"6月7"}, "bad date: 6月7"},
      {{u"--target", u"6/7-1"}, "bad date: 6/7-1"},
      {{u"--target", u"农历十三月初一"}, "bad date: 农历十三月初一"},
      {{u"--target", u"农历正月初十一"}, "bad date: 农历正月初十一"},
      {{u"--target", u"农历2027年三月三十"}, "bad date: 农历2027年三月三十"},  // 29 days
      {{u"--target", u"农历2027年闰四月初一"}, "bad date: 农历2027年闰四月初一"},
      {{u"--target", u"农历1900年正月初一"}, "lunar year out of range: 农历1900年正月初一"},
      {{u"--target", u"农历2101年正月初一"}, "lunar year out of range: 农历2101年正月初一"},
      {{u"--title", u"My \"big\" day "}, "default, title [My \"big\" day ]"},
      {{u"--title", u"我的 生日", u"--target", u"2027/6/7"}, "once 46545, title [我的 生日]"},
      {{u"--title", u""}, "default, title []"},
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
      {{u"--target=2027/06/07", u"--title=a=b"}, "once 46545, title [a=b]"},
      {{u"--title="}, "default, title []"},
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
      {{u"--position", u"左上角"}, "default, place 0"},
      {{u"--position", u"上中"}, "default, place 1"},
      {{u"--position", u"右上角"}, "default, place 2"},
      {{u"--position", u"左下角"}, "default, place 3"},
      {{u"--position", u"下中"}, "default, place 4"},
      {{u"--position=右下角"}, "default, place 5"},
      {{u"--position", u"top-left"}, "default, place 0"},
      {{u"--position", u"top-center"}, "default, place 1"},
      {{u"--position", u"top-right"}, "default, place 2"},
      {{u"--position", u"bottom-left"}, "default, place 3"},
      {{u"--position=bottom-center"}, "default, place 4"},
      {{u"--position", u"bottom-right", u"--position", u"上中"}, "default, place 1"},
      {{u"--position", u"Top-Left"}, "unknown position: Top-Left"},
      {{u"--position", u"中"}, "unknown position: 中"},
      {{u"--position", u""}, "unknown position: "},
      {{u"--position", u"右下角🎉"}, "unknown position: 右下角🎉"},
      {{u"--position"}, "missing value: --position"},
      // monitors 1 to 16, sizes 50 to 400 (% optional), full screen hide or show
      {{u"--screen", u"2"}, "default, screen 2"},
      {{u"--screen=16", u"--screen", u"01"}, "default, screen 1"},
      {{u"--screen", u"0"}, "bad screen: 0"},
      {{u"--screen", u"17"}, "bad screen: 17"},
      {{u"--screen", u"abc"}, "bad screen: abc"},
      {{u"--screen", u"-1"}, "bad screen: -1"},
      {{u"--screen", u"２"}, "bad screen: ２"},
      {{u"--screen="}, "bad screen: "},
      {{u"--screen"}, "missing value: --screen"},
      {{u"--size", u"200"}, "default, size 200"},
      {{u"--size=50%"}, "default, size 50"},
      {{u"--size", u"400%"}, "default, size 400"},
      {{u"--size", u"49"}, "bad size: 49"},
      {{u"--size", u"401%"}, "bad size: 401%"},
      {{u"--size", u"99999999999"}, "bad size: 99999999999"},
      {{u"--size", u"%"}, "bad size: %"},
      {{u"--size", u"150%%"}, "bad size: 150%%"},
      {{u"--size", u"1.5"}, "bad size: 1.5"},
      {{u"--fullscreen=show"}, "default, fullscreen show"},
      {{u"--fullscreen", u"hide"}, "default, fullscreen hide"},
      {{u"--fullscreen=Show"}, "bad fullscreen: Show"},
      {{u"--fullscreen"}, "missing value: --fullscreen"},
      // --startup has no value of its own; =off removes the shortcut
      {{u"--startup", u"--target", u"6/7"}, "yearly 6/7, startup"},
      {{u"--startup=off"}, "default, startup off"},
      {{u"--startup=on", u"--size", u"120"}, "default, size 120, startup"},
      {{u"--startup", u"off"}, "unknown: off"},
      {{u"--startup=no"}, "unknown: --startup=no"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Describe(ParseCountdownOptions(c.args, IconvGbk)), c.expected)
        << "arguments: " << c.args.size();
  }
}

}  // namespace
}  // namespace pellomi
