#include "label/transparent_label_win.h"

#include <memory>
#include <span>

#include "form/unit_notifications.h"
#include "gbk_win.h"
#include "label/label_paint_win.h"
#include "label/label_properties.h"
#include "label/label_refresh_win.h"

namespace pellomi {
namespace {

constexpr wchar_t kLabelClassName[] = L"PellomiTransparentLabel";

// Registered once per process; the null brush keeps the label from erasing what lies beneath.
bool EnsureLabelClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    wc.lpszClassName = kLabelClassName;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

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

LRESULT CALLBACK TransparentLabel::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* label = static_cast<TransparentLabel*>(create->lpCreateParams);
    label->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(label));
  }
  auto* label = reinterpret_cast<TransparentLabel*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (label == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  return label->Handle(message, wParam, lParam);
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
    case WM_NCDESTROY: {
      HWND hwnd = hwnd_;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
      // A window that failed during creation leaves the object to CreateLabel.
      if (ownedByWindow_) {
        NotifyUnitDestroyed(windowId_, unitId_);
        delete this;
      }
      return result;
    }
    default:
      return DefWindowProcW(hwnd_, message, wParam, lParam);
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
  if (!EnsureLabelClass(&TransparentLabel::WindowProc)) return nullptr;

  std::unique_ptr<TransparentLabel> label(new TransparentLabel(window, unit, std::move(contents)));
  const std::wstring text = platform::WideFromGbk(label->record_.caption);
  HWND hwnd = CreateWindowExW(WS_EX_TRANSPARENT, kLabelClassName, text.c_str(),
                              style | WS_CHILD | WS_CLIPSIBLINGS, left, top, width, height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)),
                              GetModuleHandleW(nullptr), label.get());
  if (hwnd == nullptr) return nullptr;
  label->ownedByWindow_ = true;
  return label.release();
}

}  // namespace pellomi
