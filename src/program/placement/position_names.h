#pragma once
// The six places as the command line names them: by the tray menu's own captions or in English.
#include <optional>
#include <string_view>

#include "placement/placement.h"

namespace pellomi {

// `name` in GBK: 左上角 上中 右上角 左下角 下中 右下角 as the menu writes them, or top-left,
// top-center, top-right, bottom-left, bottom-center, bottom-right; none for anything else.
std::optional<PlacementPreset> PresetNamed(std::string_view name);

}  // namespace pellomi
