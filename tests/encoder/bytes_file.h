#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "encoder/input_video.h"

namespace encoder {

// A file held in memory, for the header readers.
class BytesFile : public FileBytes {
 public:
  explicit BytesFile(std::string bytes) : bytes_(std::move(bytes)) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  std::string Read(std::uint64_t offset, std::size_t count) const override {
    return offset < bytes_.size() ? bytes_.substr(static_cast<std::size_t>(offset), count) : "";
  }

 private:
  std::string bytes_;
};

}  // namespace encoder
