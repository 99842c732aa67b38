#pragma once

#include <objbase.h>

namespace win {

// Owns one reference to a COM object and releases it when it goes;
// move-only.
template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference the caller holds.
  explicit ComPtr(T* object) : object_(object) {}
  ~ComPtr() { Reset(); }
  ComPtr(ComPtr&& other) noexcept : object_(other.object_) { other.object_ = nullptr; }
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      object_ = other.object_;
      other.object_ = nullptr;
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  T* Get() const { return object_; }
  T* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

  // For a call that hands out a new reference: releases what is held and
  // gives the place to write the new one.
  T** Put() {
    Reset();
    return &object_;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }

  void Reset() {
    if (object_) {
      object_->Release();
    }
    object_ = nullptr;
  }

 private:
  T* object_ = nullptr;
};

// COM on the calling thread, in a single-threaded apartment, for the life
// of the object. A thread already in COM keeps its apartment; only a
// successful initialisation is undone.
class ComApartment {
 public:
  ComApartment() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (initialized_) {
      CoUninitialize();
    }
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialized_;
};

}  // namespace win
