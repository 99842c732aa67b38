#pragma once

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

namespace win {

// Owns one system object and releases it when it goes; move-only. The
// traits name the kind: its handle type, which values mean "none" and how
// the object is released.
template <class Traits>
class Unique {
 public:
  using Handle = typename Traits::Handle;

  Unique() = default;
  explicit Unique(Handle handle) : handle_(Traits::IsNone(handle) ? Handle{} : handle) {}
  ~Unique() { Reset(); }
  Unique(Unique&& other) noexcept : handle_(other.Release()) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) {
      Reset(other.Release());
    }
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  Handle Release() {
    Handle handle = handle_;
    handle_ = Handle{};
    return handle;
  }
  void Reset(Handle handle = Handle{}) {
    if (handle_) {
      Traits::Free(handle_);
    }
    handle_ = Traits::IsNone(handle) ? Handle{} : handle;
  }
  // Empties the owner, then frees the object; false when the system refused
  // to free it, for callers that report that as a failure.
  bool Close() {
    Handle handle = Release();
    return !handle || Traits::Free(handle);
  }

 private:
  Handle handle_{};
};

// Files, pipes, processes, threads, events, jobs. Some calls return
// INVALID_HANDLE_VALUE on failure: it is taken as none too.
struct KernelHandleTraits {
  using Handle = HANDLE;
  static bool IsNone(HANDLE handle) { return !handle || handle == INVALID_HANDLE_VALUE; }
  static bool Free(HANDLE handle) { return CloseHandle(handle) != FALSE; }
};

template <class T>
struct GdiObjectTraits {
  using Handle = T;
  static bool IsNone(T object) { return !object; }
  static bool Free(T object) { return DeleteObject(object) != FALSE; }
};

struct MenuTraits {
  using Handle = HMENU;
  static bool IsNone(HMENU menu) { return !menu; }
  static bool Free(HMENU menu) { return DestroyMenu(menu) != FALSE; }
};

// Searches begun with FindFirstFile.
struct FindHandleTraits {
  using Handle = HANDLE;
  static bool IsNone(HANDLE handle) { return !handle || handle == INVALID_HANDLE_VALUE; }
  static bool Free(HANDLE handle) { return FindClose(handle) != FALSE; }
};

struct ImageListTraits {
  using Handle = HIMAGELIST;
  static bool IsNone(HIMAGELIST list) { return !list; }
  static bool Free(HIMAGELIST list) { return ImageList_Destroy(list) != FALSE; }
};

struct IconTraits {
  using Handle = HICON;
  static bool IsNone(HICON icon) { return !icon; }
  static bool Free(HICON icon) { return DestroyIcon(icon) != FALSE; }
};

// The files of a drag-and-drop, as WM_DROPFILES hands them over.
struct DropTraits {
  using Handle = HDROP;
  static bool IsNone(HDROP drop) { return !drop; }
  static bool Free(HDROP drop) {
    DragFinish(drop);
    return true;
  }
};

using UniqueHandle = Unique<KernelHandleTraits>;
using UniqueFont = Unique<GdiObjectTraits<HFONT>>;
using UniqueBrush = Unique<GdiObjectTraits<HBRUSH>>;
using UniqueBitmap = Unique<GdiObjectTraits<HBITMAP>>;
using UniqueRegion = Unique<GdiObjectTraits<HRGN>>;
using UniqueMenu = Unique<MenuTraits>;
using UniqueImageList = Unique<ImageListTraits>;
using UniqueIcon = Unique<IconTraits>;
using UniqueFindHandle = Unique<FindHandleTraits>;
using UniqueDrop = Unique<DropTraits>;

}  // namespace win
