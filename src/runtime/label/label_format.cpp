#include "label/label_format.h"

namespace pellomi {

std::uint32_t LabelDrawFormat(std::int32_t horizontal, std::int32_t wordWrap,
                              std::int32_t vertical) {
  std::uint32_t format = kDtNoClip;
  if (horizontal == 1) format |= kDtCenter;
  if (horizontal == 2) format |= kDtRight;
  if (wordWrap == 1) {
    // DT_VCENTER is ignored for wrapped text, which therefore always starts at the top.
    return format | kDtWordBreak | kDtVCenter;
  }
  format |= kDtSingleLine;
  if (vertical == 1) format |= kDtVCenter;
  if (vertical == 2) format |= kDtBottom;
  return format;
}

EffectPlan PlanTextEffect(std::int32_t effect, std::uint32_t textColour) {
  EffectPlan plan;
  plan.text.colour = textColour;
  switch (effect) {
    case 1:  // light copy below right, text in place
      plan.copy = TextPass{kEffectWhite, 1, 1};
      break;
    case 2:  // light copy in place, text raised below right
      plan.copy = TextPass{kEffectWhite, 0, 0};
      plan.text.dx = 1;
      plan.text.dy = 1;
      break;
    case 3:  // dark shadow two pixels below right
      plan.copy = TextPass{kEffectBlack, 2, 2};
      break;
    default:
      break;
  }
  return plan;
}

}  // namespace pellomi
