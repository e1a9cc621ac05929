#pragma once
// The base of every unit that lives in a window of a class of the runtime's own (the window,
// timer and label kinds). It registers the kind's class once, finds its object from WM_NCCREATE
// on, lets go of it at WM_NCDESTROY, and deletes the object exactly once: the creator keeps it
// until the window exists, and from then on the window's last message frees it.
#include <windows.h>

#include <memory>

namespace pellomi {

// A window class of the runtime's own, registered at its first use.
class UnitWindowClass {
 public:
  // `nullBrush`: the stock null brush as background, so the window never erases what lies
  // beneath it; otherwise no brush at all.
  UnitWindowClass(const wchar_t* name, UINT style, bool nullBrush = false)
      : name_(name), style_(style), nullBrush_(nullBrush) {}
  UnitWindowClass(const UnitWindowClass&) = delete;
  UnitWindowClass& operator=(const UnitWindowClass&) = delete;

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
struct UnitWindowSpec {
  DWORD exStyle = 0;
  const wchar_t* title = L"";
  DWORD style = 0;
  int left = 0, top = 0, width = 0, height = 0;
  HWND parent = nullptr;
  HMENU menuOrChildId = nullptr;
  // Another registered class instead of the kind's own (a window record may name one).
  const wchar_t* className = nullptr;
};

class UnitWindow {
 public:
  UnitWindow(const UnitWindow&) = delete;
  UnitWindow& operator=(const UnitWindow&) = delete;

  HWND Hwnd() const { return hwnd_; }

 protected:
  UnitWindow() = default;
  virtual ~UnitWindow() = default;

  // Creates the window of `unit`. On success the window owns the object, which is returned;
  // otherwise, also when the window went again during its creation, the object is deleted here
  // and null is returned.
  template <typename Unit>
  static Unit* Open(std::unique_ptr<Unit> unit, UnitWindowClass& windowClass,
                    const UnitWindowSpec& spec) {
    UnitWindow& base = *unit;
    return base.CreateOwnWindow(windowClass, spec) ? unit.release() : nullptr;
  }

  // Every message from WM_NCCREATE up to, not including, WM_NCDESTROY. By default the window
  // system's default processing.
  virtual LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  // After the last message of a window that owns its object, just before the object is deleted.
  virtual void WindowGone() {}

  HWND hwnd_ = nullptr;

 private:
  bool CreateOwnWindow(UnitWindowClass& windowClass, const UnitWindowSpec& spec);
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  bool ownedByWindow_ = false;
};

}  // namespace pellomi
