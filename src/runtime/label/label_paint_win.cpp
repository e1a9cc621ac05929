#include "label/label_paint_win.h"

#include <cwchar>
#include <string>

#include "gbk_win.h"
#include "handles_win.h"
#include "label/label_fit_win.h"
#include "label/label_font.h"
#include "label/label_format.h"

namespace pellomi {
namespace {

// A new font from the stored LOGFONTA block at `dpi`; empty when the block is not one or creation
// fails.
platform::UniqueFont MakeLabelFont(const std::vector<std::uint8_t>& block, std::uint32_t dpi) {
  std::optional<LogFontFields> stored = DecodeLogFont(block);
  if (!stored) return {};
  LogFontFields f = FontForDpi(FontForDrawing(*stored), dpi);
  LOGFONTW font{};
  font.lfHeight = f.height;
  font.lfWidth = f.width;
  font.lfEscapement = f.escapement;
  font.lfOrientation = f.orientation;
  font.lfWeight = f.weight;
  font.lfItalic = f.italic;
  font.lfUnderline = f.underline;
  font.lfStrikeOut = f.strikeOut;
  font.lfCharSet = f.charSet;
  font.lfOutPrecision = f.outPrecision;
  font.lfClipPrecision = f.clipPrecision;
  font.lfQuality = f.quality;
  font.lfPitchAndFamily = f.pitchAndFamily;
  std::wstring face = platform::WideFromGbk(f.face);
  std::wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return platform::UniqueFont(CreateFontIndirectW(&font));
}

void DrawPass(HDC dc, const std::wstring& text, RECT area, const TextPass& pass, UINT format) {
  OffsetRect(&area, pass.dx, pass.dy);
  SetTextColor(dc, pass.colour);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
}

}  // namespace

void PaintLabel(HWND label, const LabelRecord& record, std::uint32_t dpi) {
  platform::PaintScope paint(label);
  HDC dc = paint.Dc();
  if (dc == nullptr || record.caption.empty()) return;
  RECT area{};
  GetClientRect(label, &area);

  // A new font on every paint: the record may have changed since the last one.
  platform::UniqueFont font = MakeLabelFont(record.font, dpi);
  HGDIOBJ chosen = font ? static_cast<HGDIOBJ>(font.Get()) : GetStockObject(DEFAULT_GUI_FONT);
  platform::ScopedSelection selection(dc, chosen);

  const UINT format = LabelDrawFormat(record);
  std::wstring text = platform::WideFromGbk(record.caption);
  // A single line too wide for the shown part of the label is drawn smaller, or cut short.
  std::optional<FittedLine> fitted;
  if ((format & kDtSingleLine) != 0) {
    fitted = FitLabelLine(label, dc, text, area, format, record.horizontal, dpi);
  }
  std::optional<platform::ScopedSelection> fittedSelection;
  if (fitted) {
    if (fitted->font) fittedSelection.emplace(dc, fitted->font.Get());
    text = fitted->text;
  }
  SetBkMode(dc, TRANSPARENT);
  EffectPlan plan = PlanTextEffect(record.effect, record.colour);
  if (plan.copy) DrawPass(dc, text, area, *plan.copy, format);
  DrawPass(dc, text, area, plan.text, format);
}

}  // namespace pellomi
