#include "tray/icon_from_ico_win.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "tray/ico_reader.h"

namespace pellomi {
namespace {

constexpr DWORD kIconResourceVersion = 0x00030000;

}  // namespace

platform::UniqueIcon IconFromIcoBytes(const unsigned char* bytes, std::size_t length,
                                      int wantedSize) {
  const std::optional<IcoImagePlan> plan = PlanIconFromIco(bytes, length, wantedSize);
  if (!plan) return {};

  // The system reads the bitmap header (or a PNG image, whole) as DWORDs; an image at an odd offset
  // gets a copy.
  std::vector<DWORD> alignedCopy;
  const std::uint8_t* image = plan->image;
  if (reinterpret_cast<std::uintptr_t>(image) % alignof(DWORD) != 0) {
    alignedCopy.resize((plan->size + sizeof(DWORD) - 1) / sizeof(DWORD));
    std::memcpy(alignedCopy.data(), image, plan->size);
    image = reinterpret_cast<const std::uint8_t*>(alignedCopy.data());
  }
  auto* resource = const_cast<PBYTE>(image);         // read only, despite the signature
  const auto size = static_cast<DWORD>(plan->size);  // at most 4 GiB: the directory holds a u32

  HICON icon =
      CreateIconFromResourceEx(resource, size, TRUE, kIconResourceVersion, plan->cx, plan->cy, 0);
  if (icon == nullptr && !plan->png && plan->bitCount != 16) {
    icon = CreateIconFromResource(resource, size, TRUE, kIconResourceVersion);
  }
  return platform::UniqueIcon(icon);
}

}  // namespace pellomi
