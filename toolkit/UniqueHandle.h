// One move-only owner for every kind of Win32 handle, with a traits class per
// kind that knows its empty value and how to release it.
#pragma once

#include <windows.h>

#include <utility>

namespace toolkit {

template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  ~UniqueHandle() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Empty(); }

  // Gives up ownership without releasing.
  Handle Release() { return std::exchange(handle_, Traits::Empty()); }

  void Reset(Handle handle = Traits::Empty()) {
    const Handle old = std::exchange(handle_, handle);
    if (old != Traits::Empty() && old != handle) Traits::Close(old);
  }

 private:
  Handle handle_ = Traits::Empty();
};

template <typename H, auto CloseFunction>
struct NullEmptyTraits {
  using Handle = H;
  static Handle Empty() { return nullptr; }
  static void Close(Handle handle) { CloseFunction(handle); }
};

// Kernel handles: CreateFile reports failure with INVALID_HANDLE_VALUE, others
// with null; both count as empty.
struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Empty() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) {
    if (handle != nullptr) ::CloseHandle(handle);
  }
};

// Searches of FindFirstFile: failure is INVALID_HANDLE_VALUE, closed with FindClose.
struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Empty() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) { ::FindClose(handle); }
};

inline void DeleteGdiObject(HGDIOBJ object) {
  ::DeleteObject(object);
}

using UniqueWindow = UniqueHandle<NullEmptyTraits<HWND, ::DestroyWindow>>;
using UniqueDc = UniqueHandle<NullEmptyTraits<HDC, ::DeleteDC>>;
using UniqueFont = UniqueHandle<NullEmptyTraits<HFONT, DeleteGdiObject>>;
using UniqueBitmap = UniqueHandle<NullEmptyTraits<HBITMAP, DeleteGdiObject>>;
using UniqueBrush = UniqueHandle<NullEmptyTraits<HBRUSH, DeleteGdiObject>>;
using UniquePen = UniqueHandle<NullEmptyTraits<HPEN, DeleteGdiObject>>;
using UniqueRegion = UniqueHandle<NullEmptyTraits<HRGN, DeleteGdiObject>>;
using UniquePalette = UniqueHandle<NullEmptyTraits<HPALETTE, DeleteGdiObject>>;
using UniqueKey = UniqueHandle<NullEmptyTraits<HKEY, ::RegCloseKey>>;
using UniqueKernelHandle = UniqueHandle<NullEmptyTraits<HANDLE, ::CloseHandle>>;
using UniqueFile = UniqueHandle<FileHandleTraits>;
using UniqueFindHandle = UniqueHandle<FindHandleTraits>;
using UniqueModule = UniqueHandle<NullEmptyTraits<HMODULE, ::FreeLibrary>>;
using UniqueMenu = UniqueHandle<NullEmptyTraits<HMENU, ::DestroyMenu>>;
using UniqueAccelerators = UniqueHandle<NullEmptyTraits<HACCEL, ::DestroyAcceleratorTable>>;
using UniqueWindowStation = UniqueHandle<NullEmptyTraits<HWINSTA, ::CloseWindowStation>>;
using UniqueDesktop = UniqueHandle<NullEmptyTraits<HDESK, ::CloseDesktop>>;
using UniqueMetafile = UniqueHandle<NullEmptyTraits<HMETAFILE, ::DeleteMetaFile>>;
using UniqueIcon = UniqueHandle<NullEmptyTraits<HICON, ::DestroyIcon>>;
using UniqueEnhMetafile = UniqueHandle<NullEmptyTraits<HENHMETAFILE, ::DeleteEnhMetaFile>>;
using UniqueGlobal = UniqueHandle<NullEmptyTraits<HGLOBAL, ::GlobalFree>>;

// Selects a GDI object into a device context for one scope and puts the
// previous one back, so objects are never deleted while selected.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { ::SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// GlobalLock and GlobalUnlock for one scope: the memory of a movable block.
class LockedGlobal {
 public:
  explicit LockedGlobal(HGLOBAL memory) : memory_(memory), data_(::GlobalLock(memory)) {}
  LockedGlobal(const LockedGlobal&) = delete;
  LockedGlobal& operator=(const LockedGlobal&) = delete;
  ~LockedGlobal() {
    if (data_ != nullptr) ::GlobalUnlock(memory_);
  }
  void* Get() const { return data_; }
  SIZE_T Size() const { return data_ != nullptr ? ::GlobalSize(memory_) : 0; }

 private:
  HGLOBAL memory_;
  void* data_;
};

// The device context of a window's client area, released at scope end.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_ != nullptr) ::ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint and EndPaint for one WM_PAINT.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window) { dc_ = ::BeginPaint(window, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  ~PaintDc() { ::EndPaint(window_, &paint_); }
  HDC Get() const { return dc_; }
  const RECT& Area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

}  // namespace toolkit
