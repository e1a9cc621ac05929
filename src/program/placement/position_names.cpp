#include "placement/position_names.h"

#include <array>
#include <utility>

#include "template/countdown_template.h"

namespace pellomi {
namespace {

constexpr std::array<std::pair<PlacementPreset, std::string_view>, 6> kEnglishNames = {{
    {PlacementPreset::kTopLeft, "top-left"},
    {PlacementPreset::kTopCenter, "top-center"},
    {PlacementPreset::kTopRight, "top-right"},
    {PlacementPreset::kBottomLeft, "bottom-left"},
    {PlacementPreset::kBottomCenter, "bottom-center"},
    {PlacementPreset::kBottomRight, "bottom-right"},
}};

}  // namespace

std::optional<PlacementPreset> PresetNamed(std::string_view name) {
  for (const auto& [preset, english] : kEnglishNames) {
    // The menu item's caption itself, so the two can never disagree.
    if (name == english || name == MenuCaption(PositionItemOf(preset))) return preset;
  }
  return std::nullopt;
}

}  // namespace pellomi
