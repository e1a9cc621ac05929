#pragma once
// The transparent label unit: a child window that draws one text without a background.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "form/display_scale.h"
#include "label/label_record.h"
#include "windowed/windowed_component_win.h"

namespace pellomi {

class TransparentLabel final : public WindowedComponent {
 public:
  // The label record as written so far.
  const LabelRecord& Record() const { return record_; }

  // By the template's index: LabelProperty.
  void KindPropertyChanged(int index, const PropertyValue& value) override;
  bool GetKindProperty(int index, PropertyValue& out) const override;
  // Takes its new place and draws its font at the new DPI.
  void Rescale(std::uint32_t dpi, const UnitGeometry& geometry) override;

  std::uint32_t Dpi() const { return dpi_; }

 private:
  friend TransparentLabel* CreateLabel(const std::uint8_t*, std::size_t, DWORD, HWND, int, int, int,
                                       int, int, WindowId, UnitId, std::uint32_t);
  TransparentLabel(WindowId window, UnitId unit, LabelRecord record, std::uint32_t dpi)
      : WindowedComponent(window, unit), record_(std::move(record)), dpi_(dpi) {}

  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;

  LabelRecord record_;
  std::uint32_t dpi_;  // the stored font's height is in 96-DPI units; it is drawn at this DPI
};

// Reads the record (none or an empty one keeps the defaults) and creates the label's window at
// the given place (device pixels); its font is drawn for `dpi`. Null for a record that cannot be
// read or a window that cannot be made. The label frees itself when its window is destroyed,
// after telling the runtime.
TransparentLabel* CreateLabel(const std::uint8_t* record, std::size_t length, DWORD style,
                              HWND parent, int childId, int left, int top, int width, int height,
                              WindowId window, UnitId unit, std::uint32_t dpi = kTemplateDpi);

}  // namespace pellomi
