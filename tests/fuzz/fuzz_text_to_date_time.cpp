// Arbitrary bytes read as a GBK date text: the scan must stay inside the text, folding must be
// stable, and every accepted date must read back from its own fields.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "commands/date_time.h"
#include "commands/text_to_date_time.h"

#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pellomi;
  // An exact-size heap copy with its terminator, so reading past the end is caught.
  char* text = static_cast<char*>(std::malloc(size + 1));
  for (std::size_t i = 0; i < size; ++i) text[i] = static_cast<char>(data[i]);
  text[size] = '\0';
  const std::size_t length = std::char_traits<char>::length(text);

  const std::string folded = FoldFullWidth(text);
  Check(folded.size() <= length, "folding made the text longer");
  Check(folded.find('\0') == std::string::npos, "folding produced a zero byte");
  Check(FoldFullWidth(folded.c_str()) == folded, "folding a folded text changed it");

  const DateTime value = TextToDateTime(text);
  Check(TextToDateTime(folded.c_str()) == value, "the folded text reads differently");
  Check(TextToDateTime(TypedValue::Text(text)) == value, "the typed text reads differently");
  // Within a day of either end: a time of day moves 0100-01-01 below kMinDateTime (before day 0
  // the fraction counts away from zero) and 9999-12-31 above kMaxDateTime.
  Check(value > kMinDateTime - 1.0 && value < kMaxDateTime + 1.0, "date outside the calendar");

  if (value > kMinDateTime && value <= kMaxDateTime) {
    const auto fields = FieldsFromDateTime(value);
    Check(fields.has_value(), "an accepted date has no fields");
    char canonical[64];
    std::snprintf(canonical, sizeof canonical, "%04d/%02d/%02d %02d:%02d:%02d", fields->year,
                  fields->month, fields->day, fields->hour, fields->minute, fields->second);
    Check(TextToDateTime(canonical) == value, "the date's own fields read as another date");
  }
  std::free(text);
  return 0;
}
