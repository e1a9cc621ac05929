#pragma once
// Common property effects of a component that is a child window (timer, label).
#include <windows.h>

#include "form/identifiers.h"
#include "form/live_unit.h"

namespace pellomi {

class ChildWindowUnit : public LiveUnit {
 public:
  void* NativeWindow() const override { return hwnd_; }
  HWND Hwnd() const { return hwnd_; }
  WindowId OwnerWindowId() const { return windowId_; }
  UnitId Id() const { return unitId_; }

  UnitRect OuterRect() const override;
  void MoveTo(std::int32_t left, std::int32_t top) override;
  void Resize(std::int32_t width, std::int32_t height) override;
  bool IsVisible() const override;
  void SetVisible(bool visible) override;
  bool IsEnabled() const override;
  void SetEnabled(bool enabled) override;

 protected:
  ChildWindowUnit(WindowId window, UnitId unit) : windowId_(window), unitId_(unit) {}

  HWND hwnd_ = nullptr;  // owned by its parent window; destroyed with it
  WindowId windowId_;
  UnitId unitId_;
};

}  // namespace pellomi
