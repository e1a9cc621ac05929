#include "label/label_fit_win.h"

#include "label/label_fit.h"
#include "windowed/window_tree_win.h"

namespace pellomi {
namespace {

// The part of the label inside its parent's client area, as [left, right) in the label's
// coordinates; the label's width when it is no child window.
std::pair<LONG, LONG> ShownSpan(HWND label, const RECT& area) {
  HWND parent = ParentOfChild(label);
  if (parent == nullptr) return {area.left, area.right};
  RECT inParent = area;
  MapWindowPoints(label, parent, reinterpret_cast<POINT*>(&inParent), 2);
  RECT parentArea{};
  GetClientRect(parent, &parentArea);
  RECT shown{};
  if (!IntersectRect(&shown, &inParent, &parentArea)) return {0, 0};
  MapWindowPoints(parent, label, reinterpret_cast<POINT*>(&shown), 2);
  return {shown.left, shown.right};
}

std::int32_t LineWidth(HDC dc, const std::wstring& text, UINT format) {
  RECT bounds{};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds, format | DT_CALCRECT);
  return bounds.right - bounds.left;
}

platform::UniqueFont FontOfHeight(LOGFONTW font, std::int32_t height) {
  font.lfHeight = height;
  return platform::UniqueFont(CreateFontIndirectW(&font));
}

std::int32_t LineWidthIn(HDC dc, HFONT font, const std::wstring& text, UINT format) {
  platform::ScopedSelection selection(dc, font);
  return LineWidth(dc, text, format);
}

}  // namespace

std::optional<FittedLine> FitLabelLine(HWND label, HDC dc, const std::wstring& text,
                                       const RECT& area, UINT format, std::int32_t horizontal,
                                       std::uint32_t dpi) {
  const auto [shownLeft, shownRight] = ShownSpan(label, area);
  const std::int32_t available = AvailableLineWidth(area.right - area.left, shownLeft - area.left,
                                                    shownRight - area.left, horizontal);
  if (LineWidth(dc, text, format) <= available) return std::nullopt;

  LOGFONTW current{};
  if (GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof current, &current) != sizeof current) {
    return std::nullopt;
  }
  const std::int32_t floor = FitFloorAtDpi(dpi);
  const std::int32_t height =
      FittingHeight(current.lfHeight, floor, available, [&](std::int32_t trial) {
        const platform::UniqueFont font = FontOfHeight(current, trial);
        return font ? LineWidthIn(dc, font.Get(), text, format) : available + 1;
      });

  FittedLine fitted;
  if (height != current.lfHeight) fitted.font = FontOfHeight(current, height);
  std::optional<platform::ScopedSelection> selection;
  if (fitted.font) selection.emplace(dc, fitted.font.Get());
  if (LineWidth(dc, text, format) <= available) {
    fitted.text = text;
    return fitted;
  }
  static constexpr wchar_t kEllipsis[] = L"\u2026";
  const std::size_t kept = EllipsisPrefix(text.size(), available, [&](std::size_t count) {
    return LineWidth(dc, text.substr(0, count) + kEllipsis, format);
  });
  fitted.text = text.substr(0, kept) + kEllipsis;
  return fitted;
}

}  // namespace pellomi
