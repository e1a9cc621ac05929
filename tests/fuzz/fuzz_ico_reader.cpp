// Arbitrary bytes as an ICO file image: the plan must point inside the data, and everything the
// program does with the plan before the window system makes the icon must stay inside it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "tray/ico_reader.h"

#include "fuzz_check.h"

namespace {

void CheckPlan(const std::uint8_t* data, std::size_t size, int wantedSize) {
  const auto plan = pellomi::PlanIconFromIco(data, size, wantedSize);
  if (!plan) return;
  Check(plan->image >= data && plan->image <= data + size, "image starts outside the data");
  Check(plan->size <= static_cast<std::size_t>(data + size - plan->image),
        "image runs past the data");
  Check(plan->size >= pellomi::kBitmapInfoHeaderSize, "image shorter than its header");
  Check(plan->cx >= 0 && plan->cy >= 0, "negative icon size");
  // The aligned copy made for the system reads the whole image.
  std::vector<std::uint32_t> aligned((plan->size + 3) / 4);
  std::memcpy(aligned.data(), plan->image, plan->size);
  if (plan->png) {
    Check(plan->cx >= 1 && plan->cx <= 256 && plan->cy >= 1 && plan->cy <= 256,
          "PNG size is not the directory's");
    return;
  }
  std::uint32_t width = 0;
  std::memcpy(&width, reinterpret_cast<const std::uint8_t*>(aligned.data()) + 4, 4);
  Check(static_cast<std::int32_t>(width) == plan->cx, "width is not the header's");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exact-size copy: any read past the end is caught, wherever the fuzzer's buffer lies.
  std::uint8_t* copy = static_cast<std::uint8_t*>(std::malloc(size == 0 ? 1 : size));
  if (size != 0) std::memcpy(copy, data, size);
  for (int wantedSize : {16, 24, 256}) CheckPlan(copy, size, wantedSize);
  std::free(copy);
  return 0;
}
