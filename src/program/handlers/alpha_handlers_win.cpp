// The transparency levels of the tray menu, and the start-up transparency and corners.
#include "form/display_scale.h"
#include "handlers/widget_handlers.h"
#include "layered/transparency_rules.h"
#include "layered/transparency_win.h"
#include "properties/properties.h"
#include "template/alpha_levels.h"
#include "template/check_group.h"
#include "window_commands/window_commands_win.h"

namespace pellomi {
namespace {

HWND CountdownWindow() {
  return GetUnitWindowHandle(kCountdownWindowId, kWindowUnitId);
}

void ChooseAlphaLevel(std::size_t level) {
  ApplyTransparency(CountdownWindow(), kAlphaLevels[level].alpha, 0, true);
  CheckOnly(kAlphaLevelItems, kAlphaLevels[level].item);
}

}  // namespace

void OnAlpha50(int, const std::int32_t*) {
  ChooseAlphaLevel(0);
}
void OnAlpha100(int, const std::int32_t*) {
  ChooseAlphaLevel(1);
}
void OnAlpha150(int, const std::int32_t*) {
  ChooseAlphaLevel(2);
}
void OnAlpha200(int, const std::int32_t*) {
  ChooseAlphaLevel(3);
}
void OnAlpha250(int, const std::int32_t*) {
  ChooseAlphaLevel(4);
}

void ApplyStartupTransparency() {
  ApplyTransparency(CountdownWindow(), kStartupAlpha, 0, true);
}

void ApplyStartupRoundCorners() {
  const std::int32_t corner = ScaleToDpi(kDefaultCornerSize, WindowDpi(kCountdownWindowId));
  ApplyRoundCorners(CountdownWindow(), corner, corner);
}

}  // namespace pellomi
