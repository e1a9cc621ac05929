// When the running widget must count again.
#include <gtest/gtest.h>

#include <vector>

#include "dates/caption_keeper.h"
#include "dates/countdown_caption.h"

namespace pellomi {
namespace {

DateTime At(int y, int mo, int d, int h, int mi, int s) {
  return *DateTimeFromFields(y, mo, d, h, mi, s);
}

TEST(CountMayHaveChanged, DayChangeRule) {
  struct Case {
    const char* what;
    DateTime previous, now;
    bool changed;
  } cases[] = {
      {"a second within the day", At(2024, 6, 3, 10, 0, 0), At(2024, 6, 3, 10, 0, 1), false},
      {"onto midnight exactly", At(2024, 6, 3, 23, 59, 59), At(2024, 6, 4, 0, 0, 0), false},
      {"off midnight exactly", At(2024, 6, 4, 0, 0, 0), At(2024, 6, 4, 0, 0, 1), true},
      {"over midnight", At(2024, 6, 3, 23, 59, 59), At(2024, 6, 4, 0, 0, 1), true},
      {"clock set days ahead", At(2024, 6, 3, 12, 0, 0), At(2024, 6, 6, 12, 0, 0), true},
      {"clock set a day back", At(2024, 6, 3, 12, 0, 0), At(2024, 6, 2, 18, 0, 0), true},
      {"clock set back within the day", At(2024, 6, 3, 12, 0, 0), At(2024, 6, 3, 0, 0, 1), false},
      {"clock set back onto midnight", At(2024, 6, 3, 0, 0, 1), At(2024, 6, 3, 0, 0, 0), true},
      {"before 1899-12-30", At(1899, 12, 29, 6, 0, 0), At(1899, 12, 29, 18, 0, 0), false},
      {"into 1899-12-30", At(1899, 12, 29, 18, 0, 0), At(1899, 12, 30, 0, 0, 1), true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CountMayHaveChanged(c.previous, c.now), c.changed) << c.what;
  }
}

TEST(CountMayHaveChanged, HoldsExactlyWhenTheCountDiffers) {
  // Instants around a few midnights, on both sides of day 0, against targets on both sides.
  std::vector<DateTime> instants;
  for (DateTime day :
       {At(2024, 6, 5, 0, 0, 0), At(2024, 6, 6, 0, 0, 0), At(2024, 6, 7, 0, 0, 0),
        At(1899, 12, 28, 0, 0, 0), At(1899, 12, 29, 0, 0, 0), At(1899, 12, 30, 0, 0, 0)}) {
    for (int s : {0, 1, 2, 43200, 86398, 86399}) {
      const auto f = FieldsFromDateTime(day);
      instants.push_back(At(f->year, f->month, f->day, s / 3600, s / 60 % 60, s % 60));
    }
  }
  for (DateTime target : {45450.0, -3.0}) {
    for (DateTime a : instants) {
      for (DateTime b : instants) {
        const bool differs = CountdownDayCount(a, target) != CountdownDayCount(b, target);
        ASSERT_EQ(CountMayHaveChanged(a, b), differs) << a << " -> " << b << " target " << target;
      }
    }
  }
}

}  // namespace
}  // namespace pellomi
