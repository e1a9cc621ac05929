#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "commands/date_time.h"

namespace pellomi {
namespace {

// The tolerance 0.999999999999, written as its exact double so that the comparison does not
// depend on how a compiler rounds the decimal literal.
constexpr double kNearlyWhole = std::bit_cast<double>(std::uint64_t{0x3FEFFFFFFFFFDCD1});
constexpr double kTwoTo63 = 9223372036854775808.0;

}  // namespace

std::int64_t TruncateToInt64(double x) {
  // Out of range (NaN included) would be undefined in C++; the processor yields INT64_MIN.
  if (std::isnan(x) || x >= kTwoTo63 || x < -kTwoTo63) {
    return std::numeric_limits<std::int64_t>::min();
  }
  return static_cast<std::int64_t>(x);
}

std::int32_t TruncateToInt(double x) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(TruncateToInt64(x)));
}

std::int32_t FloorWithTolerance(double x) {
  const double whole = std::trunc(x);
  const double fraction = x - whole;
  if (std::fabs(fraction) > kNearlyWhole) x = x > 0 ? whole + 1.0 : whole - 1.0;
  return TruncateToInt(std::floor(x));
}

}  // namespace pellomi
