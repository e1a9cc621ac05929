#pragma once
// The base of every unit that lives in a window of a class of the runtime's own (the window,
// timer and label kinds). It registers the kind's class once, finds its object from WM_NCCREATE
// on, lets go of it at WM_NCDESTROY, and deletes the object exactly once: the creator keeps it
// until the window exists, and from then on the window's last message frees it. It also gives
// the common properties' effects that all these kinds share.
#include <windows.h>

#include <memory>

#include "form/unit_object.h"

namespace pellomi {

// A window class of the runtime's own, registered at its first use.
class WindowedUnitClass {
 public:
  // `nullBrush`: the stock null brush as background, so the window never erases what lies
  // beneath it; otherwise no brush at all.
  WindowedUnitClass(const wchar_t* name, UINT style, bool nullBrush = false)
      : name_(name), style_(style), nullBrush_(nullBrush) {}
  WindowedUnitClass(const WindowedUnitClass&) = delete;
  WindowedUnitClass& operator=(const WindowedUnitClass&) = delete;

  const wchar_t* Name() const { return name_; }
  // Registers the class with `procedure` unless that is done; false when it cannot be.
  bool Ensure(WNDPROC procedure);

 private:
  const wchar_t* name_;
  UINT style_;
  bool nullBrush_;
  bool registered_ = false;
};

// CreateWindowExW's arguments besides the class and the object.
struct WindowedUnitParams {
  DWORD exStyle = 0;
  const wchar_t* title = L"";
  DWORD style = 0;
  int left = 0, top = 0, width = 0, height = 0;
  HWND parent = nullptr;
  HMENU menuOrChildId = nullptr;
  // Another registered class instead of the kind's own (a window record may name one). Only a
  // class whose window procedure is the runtime's can carry the object.
  const wchar_t* className = nullptr;
};

class WindowedUnit : public UnitObject {
 public:
  WindowedUnit(const WindowedUnit&) = delete;
  WindowedUnit& operator=(const WindowedUnit&) = delete;

  HWND Hwnd() const { return hwnd_; }

  void* NativeWindow() const override { return hwnd_; }
  // Screen coordinates, or the parent's client coordinates for a child window.
  UnitRect OuterRect() const override;
  void MoveTo(std::int32_t left, std::int32_t top) override;
  void Resize(std::int32_t width, std::int32_t height) override;
  bool IsVisible() const override;
  void SetVisible(bool visible) override;
  bool IsEnabled() const override;
  void SetEnabled(bool enabled) override;
  void Rescale(std::uint32_t dpi, const UnitGeometry& geometry) override;

 protected:
  WindowedUnit() = default;
  ~WindowedUnit() override = default;

  // Creates the window of `unit`. On success the window owns the object, which is returned;
  // otherwise (also when the window was destroyed before CreateWindowExW returned, or when a
  // class override names a class of another window procedure) the object is deleted here and
  // null is returned.
  template <typename Unit>
  static Unit* Open(std::unique_ptr<Unit> unit, WindowedUnitClass& windowClass,
                    const WindowedUnitParams& params) {
    WindowedUnit& base = *unit;
    return base.CreateOwnWindow(windowClass, params) ? unit.release() : nullptr;
  }

  // Every message from WM_NCCREATE up to, not including, WM_NCDESTROY. By default the window
  // system's default processing.
  virtual LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  // After the last message of a window that owns its object, just before the object is deleted.
  virtual void WindowGone() {}

  HWND hwnd_ = nullptr;

 private:
  bool CreateOwnWindow(WindowedUnitClass& windowClass, const WindowedUnitParams& params);
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  bool ownedByWindow_ = false;
};

}  // namespace pellomi
