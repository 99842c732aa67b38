#pragma once

#include <cstdint>
#include <fstream>
#include <string>

#include "flate/byte_stream.h"

namespace archive {

// A file opened for reading (others may read and write it meanwhile),
// read at given offsets. Paths here are UTF-8, on Windows opened by their
// wide names.
class InputFile {
 public:
  explicit InputFile(const std::string& path);
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  bool IsOpen() const { return isOpen_; }
  uint64_t Size() const { return size_; }

  // Reads exactly `size` bytes at `offset`; false when they are not all there.
  bool ReadAt(uint64_t offset, void* buffer, size_t size);

 private:
  std::ifstream stream_;
  bool isOpen_ = false;
  uint64_t size_ = 0;
};

// The bytes [offset, offset + length) of a file, cut at the file's end.
class FileRangeSource : public flate::ByteSource {
 public:
  FileRangeSource(InputFile& file, uint64_t offset, uint64_t length);
  size_t Read(uint8_t* buffer, size_t capacity) override;

 private:
  InputFile& file_;
  uint64_t position_;
  uint64_t end_;
};

// A new file (replacing any of that name) written from the start.
class FileSink : public flate::ByteSink {
 public:
  explicit FileSink(const std::string& path);

  bool IsOpen() const { return stream_.is_open(); }
  uint64_t BytesWritten() const { return bytesWritten_; }
  void Write(const uint8_t* data, size_t size) override;
  // False when the data could not all be written out.
  bool Close();

 private:
  std::ofstream stream_;
  uint64_t bytesWritten_ = 0;
};

}  // namespace archive
