#pragma once
// The live object of a loaded unit, as the runtime sees it. The window-system kinds implement it;
// host tests use fakes.
#include <cstdint>

#include "form/display_scale.h"
#include "form/unit_model.h"

namespace pellomi {

struct UnitRect {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  std::int32_t Width() const { return right - left; }
  std::int32_t Height() const { return bottom - top; }
  bool operator==(const UnitRect&) const = default;
};

class UnitObject {
 public:
  virtual ~UnitObject() = default;

  // The unit's window handle (HWND on Windows), or null.
  virtual void* NativeWindow() const = 0;

  // Outer rectangle: screen coordinates for a top-level window, parent client coordinates for
  // a child.
  virtual UnitRect OuterRect() const = 0;
  // Moves keeping the size.
  virtual void MoveTo(std::int32_t left, std::int32_t top) = 0;
  // Resizes keeping the position (SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE).
  virtual void Resize(std::int32_t width, std::int32_t height) = 0;
  virtual bool IsVisible() const = 0;
  // Shows or hides; the window unit's show goes through the runtime's show path.
  virtual void SetVisible(bool visible) = 0;
  virtual bool IsEnabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual void CursorChanged() {}
  // The window's display scale changed: the unit takes `geometry` (device pixels, its parent's
  // client coordinates), laid out for `dpi`, and redraws at that DPI.
  virtual void Rescale(std::uint32_t /*dpi*/, const UnitGeometry& /*geometry*/) {}

  // Kind properties, by the template's index (8 and up, kFirstKindProperty).
  virtual void KindPropertyChanged(int index, const PropertyValue& value) = 0;
  virtual bool GetKindProperty(int index, PropertyValue& out) const = 0;
};

}  // namespace pellomi
