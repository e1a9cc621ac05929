#pragma once
// The transparent label unit: a child window that draws one text without a background.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "form/windowed_component_win.h"
#include "label/label_record.h"

namespace pellomi {

class TransparentLabel final : public WindowedComponent {
 public:
  // The label record as written so far.
  const LabelRecord& Record() const { return record_; }

  // Own index = unit property index minus 8.
  void KindPropertyChanged(int index, const PropertyValue& value) override;
  bool GetKindProperty(int index, PropertyValue& out) const override;

 private:
  friend TransparentLabel* CreateLabel(const std::uint8_t*, std::size_t, DWORD, HWND, int, int, int,
                                       int, int, WindowId, UnitId);
  TransparentLabel(WindowId window, UnitId unit, LabelRecord record)
      : WindowedComponent(window, unit), record_(std::move(record)) {}

  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;

  LabelRecord record_;
};

// Reads the record (none or an empty one keeps the defaults) and creates the label's window.
// Null for a record that cannot be read or a window that cannot be made. The label frees itself
// when its window is destroyed, after telling the runtime.
TransparentLabel* CreateLabel(const std::uint8_t* record, std::size_t length, DWORD style,
                              HWND parent, int childId, int left, int top, int width, int height,
                              WindowId window, UnitId unit);

}  // namespace pellomi
