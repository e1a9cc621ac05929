#pragma once
// How a label lays out and decorates its text: the DrawText format and the effect copy.
#include <cstdint>
#include <optional>

#include "label/label_record.h"

namespace pellomi {

// DrawText format bits, as the window system defines them.
inline constexpr std::uint32_t kDtCenter = 0x01;
inline constexpr std::uint32_t kDtRight = 0x02;
inline constexpr std::uint32_t kDtVCenter = 0x04;
inline constexpr std::uint32_t kDtBottom = 0x08;
inline constexpr std::uint32_t kDtWordBreak = 0x10;
inline constexpr std::uint32_t kDtSingleLine = 0x20;
inline constexpr std::uint32_t kDtNoClip = 0x100;

// Values outside the listed ones draw left, top (single line) and unwrapped.
std::uint32_t LabelDrawFormat(std::int32_t horizontal, std::int32_t wordWrap,
                              std::int32_t vertical);
inline std::uint32_t LabelDrawFormat(const LabelRecord& record) {
  return LabelDrawFormat(record.horizontal, record.wordWrap, record.vertical);
}

inline constexpr std::uint32_t kEffectWhite = 0x00FFFFFF;
inline constexpr std::uint32_t kEffectBlack = 0x00000000;

// One DrawText call: the text rectangle moved by (dx, dy).
struct TextPass {
  std::uint32_t colour = 0;
  int dx = 0;
  int dy = 0;
  bool operator==(const TextPass&) const = default;
};

// The copy drawn first (if any), then the text itself in the record's colour.
struct EffectPlan {
  std::optional<TextPass> copy;
  TextPass text;
  bool operator==(const EffectPlan&) const = default;
};

// Effect values other than 1..3 draw no copy.
EffectPlan PlanTextEffect(std::int32_t effect, std::uint32_t textColour);

}  // namespace pellomi
