#pragma once
// Owning wrappers for window-system objects. Each kind keeps a count of the objects that the
// program's wrappers currently own, so tests can show that nothing leaks.
#include <windows.h>

#include <utility>

namespace pellomi::platform {

enum class HandleKind { kFont, kRegion, kIcon, kMenu, kWindow, kCount };

// Objects currently owned through the wrappers, per kind.
long LiveHandleCount(HandleKind kind);
void NoteHandleAcquired(HandleKind kind);
void NoteHandleReleased(HandleKind kind);

template <typename H, HandleKind K, BOOL(WINAPI* Destroy)(H)>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(H handle) : handle_(handle) {
    if (handle_ != nullptr) NoteHandleAcquired(K);
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  ~UniqueHandle() { Reset(); }

  H Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  void Reset(H handle = nullptr) {
    if (handle_ != nullptr) {
      Destroy(handle_);
      NoteHandleReleased(K);
    }
    handle_ = handle;
    if (handle_ != nullptr) NoteHandleAcquired(K);
  }
  // Hands the object to its documented new owner (a window taking a region, say).
  H Release() {
    if (handle_ != nullptr) NoteHandleReleased(K);
    return std::exchange(handle_, nullptr);
  }

 private:
  H handle_ = nullptr;
};

inline BOOL WINAPI DeleteFontObject(HFONT font) {
  return DeleteObject(font);
}
inline BOOL WINAPI DeleteRegionObject(HRGN region) {
  return DeleteObject(region);
}

using UniqueFont = UniqueHandle<HFONT, HandleKind::kFont, DeleteFontObject>;
using UniqueRegion = UniqueHandle<HRGN, HandleKind::kRegion, DeleteRegionObject>;
using UniqueIcon = UniqueHandle<HICON, HandleKind::kIcon, DestroyIcon>;
using UniqueMenu = UniqueHandle<HMENU, HandleKind::kMenu, DestroyMenu>;
using UniqueWindow = UniqueHandle<HWND, HandleKind::kWindow, DestroyWindow>;

// Selects an object into a device context for one scope and puts the previous one back.
class ScopedSelection {
 public:
  ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ScopedSelection(const ScopedSelection&) = delete;
  ScopedSelection& operator=(const ScopedSelection&) = delete;
  ~ScopedSelection() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(window_, &paint_); }
  HDC Dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_ = nullptr;
};

}  // namespace pellomi::platform
