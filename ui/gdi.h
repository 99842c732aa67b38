#pragma once

#include <windows.h>

namespace ui {

// Owns one GDI object (font, brush, bitmap) and deletes it when it goes.
template <class T>
class UniqueGdiObject {
 public:
  UniqueGdiObject() = default;
  explicit UniqueGdiObject(T object) : object_(object) {}
  ~UniqueGdiObject() { Reset(); }
  UniqueGdiObject(UniqueGdiObject&& other) noexcept : object_(other.Release()) {}
  UniqueGdiObject& operator=(UniqueGdiObject&& other) noexcept {
    if (this != &other)
      Reset(other.Release());
    return *this;
  }
  UniqueGdiObject(const UniqueGdiObject&) = delete;
  UniqueGdiObject& operator=(const UniqueGdiObject&) = delete;

  T Get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  T Release() {
    T object = object_;
    object_ = nullptr;
    return object;
  }
  void Reset(T object = nullptr) {
    if (object_)
      DeleteObject(object_);
    object_ = object;
  }

 private:
  T object_ = nullptr;
};

using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;

// The device context of a window's client area (or of the screen for
// nullptr), released when it goes.
class ClientDC {
 public:
  explicit ClientDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~ClientDC() {
    if (dc_)
      ReleaseDC(window_, dc_);
  }
  ClientDC(const ClientDC&) = delete;
  ClientDC& operator=(const ClientDC&) = delete;

  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A memory device context compatible with another one, deleted when it goes.
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatible) : dc_(CreateCompatibleDC(compatible)) {}
  ~MemoryDC() {
    if (dc_)
      DeleteDC(dc_);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;

  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// Selects an object into a device context for the life of the scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, previous_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace ui
