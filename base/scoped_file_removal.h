#pragma once

#include <cstdio>
#include <string>
#include <utility>

namespace base {

// Deletes a file when the scope ends, however it ends.
class ScopedFileRemoval {
 public:
  explicit ScopedFileRemoval(std::string path) : path_(std::move(path)) {}
  ~ScopedFileRemoval() { std::remove(path_.c_str()); }
  ScopedFileRemoval(const ScopedFileRemoval&) = delete;
  ScopedFileRemoval& operator=(const ScopedFileRemoval&) = delete;

 private:
  std::string path_;
};

}  // namespace base
