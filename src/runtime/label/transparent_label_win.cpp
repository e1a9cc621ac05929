#include "label/transparent_label_win.h"

#include <memory>
#include <span>

#include "gbk_win.h"
#include "label/label_paint_win.h"
#include "label/label_properties.h"
#include "label/label_refresh_win.h"

namespace pellomi {
namespace {

// The null brush keeps the label from erasing what lies beneath it.
WindowedUnitClass g_labelClass(L"PellomiTransparentLabel", CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                               true);

}  // namespace

void TransparentLabel::KindPropertyChanged(int index, const PropertyValue& value) {
  LabelPropertyChanged(record_, index, value);
  if (index == static_cast<int>(LabelProperty::kCaption)) {
    SetWindowTextW(hwnd_, platform::WideFromGbk(record_.caption).c_str());
  }
  RefreshLabelArea(hwnd_);
}

bool TransparentLabel::GetKindProperty(int index, PropertyValue& out) const {
  return GetLabelProperty(record_, index, out);
}

LRESULT TransparentLabel::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintLabel(hwnd_, record_);
      return 0;
    case WM_MOVE: {
      LRESULT result = DefWindowProcW(hwnd_, message, wParam, lParam);
      RefreshLabelArea(hwnd_);
      return result;
    }
    default:
      return WindowedUnit::Handle(message, wParam, lParam);
  }
}

TransparentLabel* CreateLabel(const std::uint8_t* record, std::size_t length, DWORD style,
                              HWND parent, int childId, int left, int top, int width, int height,
                              WindowId window, UnitId unit) {
  LabelRecord contents;
  if (record != nullptr && length >= 1) {
    std::optional<LabelRecord> stored = ReadLabelRecord(std::span(record, length));
    if (!stored) return nullptr;
    contents = std::move(*stored);
  }
  std::unique_ptr<TransparentLabel> label(new TransparentLabel(window, unit, std::move(contents)));
  const std::wstring text = platform::WideFromGbk(label->record_.caption);
  WindowedUnitParams params =
      TransparentLabel::ChildSpec(style, parent, childId, left, top, width, height);
  params.exStyle = WS_EX_TRANSPARENT;
  params.title = text.c_str();
  return TransparentLabel::Open(std::move(label), g_labelClass, params);
}

}  // namespace pellomi
