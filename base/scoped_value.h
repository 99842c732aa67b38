#pragma once

#include <utility>

namespace base {

// Gives a variable a value for the life of a scope and puts back the value
// it had, however the scope ends. Scopes over one variable nest: each puts
// back what it found.
template <class T>
class ScopedValue {
 public:
  ScopedValue(T& variable, T value)
      : variable_(variable), saved_(std::exchange(variable, std::move(value))) {}
  ~ScopedValue() { variable_ = std::move(saved_); }
  ScopedValue(const ScopedValue&) = delete;
  ScopedValue& operator=(const ScopedValue&) = delete;

 private:
  T& variable_;
  T saved_;
};

}  // namespace base
