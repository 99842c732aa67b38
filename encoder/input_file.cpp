#include "encoder/input_file.h"

#include <windows.h>

#include "win/code_page.h"
#include "win/unique.h"

namespace encoder {

namespace {

class OpenFile : public FileBytes {
 public:
  explicit OpenFile(HANDLE file) : file_(file) {}

  std::uint64_t Size() const override {
    LARGE_INTEGER size;
    return GetFileSizeEx(file_, &size) ? static_cast<std::uint64_t>(size.QuadPart) : 0;
  }

  std::string Read(std::uint64_t offset, std::size_t count) const override {
    OVERLAPPED position{};
    position.Offset = static_cast<DWORD>(offset);
    position.OffsetHigh = static_cast<DWORD>(offset >> 32);
    std::string bytes(count, '\0');
    DWORD read = 0;
    if (!ReadFile(file_, bytes.data(), static_cast<DWORD>(count), &read, &position)) {
      read = 0;
    }
    bytes.resize(read);
    return bytes;
  }

 private:
  HANDLE file_;
};

}  // namespace

InputVideo ReadInputVideoOf(const std::string& path) {
  const win::UniqueHandle file(CreateFileW(win::Utf8ToWide(path).c_str(), GENERIC_READ,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    return {};
  }
  return ReadInputVideo(OpenFile(file.Get()));
}

}  // namespace encoder
