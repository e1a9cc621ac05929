#pragma once
// Owning wrappers for window-system objects and kernel handles. A kind's traits name its handle
// type, the value that means "none" and how an owned handle is given back to the system.
#include <windows.h>

#include <utility>

#ifdef PELLOMI_HANDLE_CENSUS
#include "handle_census_win.h"
#endif

namespace pellomi::platform {

template <typename KindTraits>
class UniqueHandle {
 public:
  using Traits = KindTraits;
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) { NoteAcquired(); }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept
      : handle_(std::exchange(other.handle_, Traits::None())) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, Traits::None());
    }
    return *this;
  }
  ~UniqueHandle() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::None(); }

  void Reset(Handle handle = Traits::None()) {
    if (*this) {
      Traits::Close(handle_);
      NoteGivenUp();
    }
    handle_ = handle;
    NoteAcquired();
  }
  // Hands the object to its documented new owner (a window taking a region, say).
  Handle Release() {
    if (*this) NoteGivenUp();
    return std::exchange(handle_, Traits::None());
  }

 private:
  void NoteAcquired() const {
#ifdef PELLOMI_HANDLE_CENSUS
    if (*this) HandleCensus<Traits>::Acquired(handle_);
#endif
  }
  void NoteGivenUp() const {
#ifdef PELLOMI_HANDLE_CENSUS
    HandleCensus<Traits>::GivenUp();
#endif
  }

  Handle handle_ = Traits::None();
};

// Most kinds mean "none" by null and are given back by one call.
template <typename H, auto CloseFunction>
struct NullMeansNone {
  using Handle = H;
  static Handle None() { return nullptr; }
  static void Close(Handle handle) { CloseFunction(handle); }
};

// Files mean "none" by INVALID_HANDLE_VALUE.
struct FileTraits {
  using Handle = HANDLE;
  static Handle None() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) { CloseHandle(handle); }
};

using UniqueFont = UniqueHandle<NullMeansNone<HFONT, DeleteObject>>;
using UniqueRegion = UniqueHandle<NullMeansNone<HRGN, DeleteObject>>;
using UniqueIcon = UniqueHandle<NullMeansNone<HICON, DestroyIcon>>;
using UniqueMenu = UniqueHandle<NullMeansNone<HMENU, DestroyMenu>>;
using UniqueWindow = UniqueHandle<NullMeansNone<HWND, DestroyWindow>>;
using UniqueModule = UniqueHandle<NullMeansNone<HMODULE, FreeLibrary>>;
using UniqueGlobal = UniqueHandle<NullMeansNone<HGLOBAL, GlobalFree>>;
using UniqueFile = UniqueHandle<FileTraits>;
// Kernel objects other than files (mappings, mutexes) mean "none" by null.
using UniqueKernelObject = UniqueHandle<NullMeansNone<HANDLE, CloseHandle>>;
using UniqueMappedView = UniqueHandle<NullMeansNone<LPVOID, UnmapViewOfFile>>;

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

// GetDC/ReleaseDC for one scope; a null window gives the screen's device context.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  HDC Dc() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace pellomi::platform
