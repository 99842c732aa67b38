#pragma once

#include <windows.h>

namespace ui {

// Owns one kernel handle (file, pipe, process, thread, event, job) and
// closes it when it goes. Empty is nullptr; INVALID_HANDLE_VALUE is taken
// as empty too, since some calls return it on failure.
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE handle) : handle_(Valid(handle) ? handle : nullptr) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other)
      Reset(other.Release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  HANDLE Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  HANDLE Release() {
    HANDLE handle = handle_;
    handle_ = nullptr;
    return handle;
  }
  void Reset(HANDLE handle = nullptr) {
    if (handle_)
      CloseHandle(handle_);
    handle_ = Valid(handle) ? handle : nullptr;
  }

 private:
  static bool Valid(HANDLE handle) { return handle && handle != INVALID_HANDLE_VALUE; }
  HANDLE handle_ = nullptr;
};

}  // namespace ui
