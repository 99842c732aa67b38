#pragma once

#include <windows.h>

#include "win/unique.h"

namespace win {

// A device context lent by a window, given back to it when it goes.
class BorrowedDC {
 public:
  ~BorrowedDC() {
    if (dc_) {
      ReleaseDC(window_, dc_);
    }
  }
  BorrowedDC(const BorrowedDC&) = delete;
  BorrowedDC& operator=(const BorrowedDC&) = delete;

  HDC Get() const { return dc_; }

 protected:
  BorrowedDC(HWND window, HDC dc) : window_(window), dc_(dc) {}

 private:
  HWND window_;
  HDC dc_;
};

// Of a window's client area (or of the screen for nullptr).
class ClientDC : public BorrowedDC {
 public:
  explicit ClientDC(HWND window) : BorrowedDC(window, GetDC(window)) {}
};

// Of a whole window, its frame included.
class WindowDC : public BorrowedDC {
 public:
  explicit WindowDC(HWND window) : BorrowedDC(window, GetWindowDC(window)) {}
};

// A window's paint in answer to WM_PAINT, from BeginPaint to EndPaint. Its
// device context is clipped to what needs painting.
class PaintDC {
 public:
  explicit PaintDC(HWND window) : window_(window) { BeginPaint(window, &paint_); }
  ~PaintDC() { EndPaint(window_, &paint_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;

  HDC Get() const { return paint_.hdc; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
};

// A memory device context compatible with another one, deleted when it goes.
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatible) : dc_(CreateCompatibleDC(compatible)) {}
  ~MemoryDC() {
    if (dc_) {
      DeleteDC(dc_);
    }
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

}  // namespace win
