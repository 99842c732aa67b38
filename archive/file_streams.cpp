#include "archive/file_streams.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

namespace archive {

InputFile::InputFile(const std::string& path)
    : stream_(std::filesystem::u8path(path), std::ios::binary) {
  if (!stream_.is_open() || !stream_.seekg(0, std::ios::end)) {
    return;
  }
  const std::streamoff end = stream_.tellg();
  if (end < 0) {
    return;
  }
  size_ = static_cast<uint64_t>(end);
  isOpen_ = true;
}

bool InputFile::ReadAt(uint64_t offset, void* buffer, size_t size) {
  if (!isOpen_ || offset > size_ || size > size_ - offset) {
    return false;
  }
  stream_.clear();
  stream_.seekg(static_cast<std::streamoff>(offset));
  stream_.read(static_cast<char*>(buffer), static_cast<std::streamsize>(size));
  return static_cast<size_t>(stream_.gcount()) == size;
}

FileRangeSource::FileRangeSource(InputFile& file, uint64_t offset, uint64_t length)
    : file_(file),
      position_(std::min(offset, file.Size())),
      end_(position_ + std::min(length, file.Size() - position_)) {}

size_t FileRangeSource::Read(uint8_t* buffer, size_t capacity) {
  const size_t size = static_cast<size_t>(std::min<uint64_t>(capacity, end_ - position_));
  if (size > 0 && !file_.ReadAt(position_, buffer, size)) {
    throw std::runtime_error("the file could not be read");
  }
  position_ += size;
  return size;
}

FileSink::FileSink(const std::string& path)
    : stream_(std::filesystem::u8path(path), std::ios::binary | std::ios::out | std::ios::trunc) {}

void FileSink::Write(const uint8_t* data, size_t size) {
  if (!stream_.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size))) {
    throw std::runtime_error("the file could not be written");
  }
  bytesWritten_ += size;
}

bool FileSink::Close() {
  stream_.close();
  return !stream_.fail();
}

}  // namespace archive
