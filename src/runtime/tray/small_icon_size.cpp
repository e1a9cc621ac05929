#include "tray/small_icon_size.h"

namespace pellomi {
namespace {

constexpr int kSmallIconAtTemplateDpi = 16;

}  // namespace

int ScaledSmallIconSize(int systemSize, std::uint32_t systemDpi, std::uint32_t windowDpi) {
  if (systemSize <= 0) return kSmallIconAtTemplateDpi;
  if (systemDpi == 0 || windowDpi == 0 || systemDpi == windowDpi) return systemSize;
  const std::uint64_t scaled = static_cast<std::uint64_t>(systemSize) * windowDpi + systemDpi / 2;
  return static_cast<int>(scaled / systemDpi);
}

}  // namespace pellomi
