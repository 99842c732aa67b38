#include "app/bitmap_file.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "image/bitmap.h"
#include "image/bmp_decoder.h"
#include "win/code_page.h"
#include "win/os_error.h"

namespace app {

namespace {

[[noreturn]] void RaiseOpenError(const std::string& path) {
  const DWORD error = GetLastError();
  throw EFOpenError("Cannot open file \"" + path + "\". " + win::SysErrorMessage(error));
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
  const win::UniqueHandle file(CreateFileW(win::Utf8ToWide(path).c_str(), GENERIC_READ,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size;
  if (!file || !GetFileSizeEx(file.Get(), &size)) {
    RaiseOpenError(path);
  }
  // A picture file of more than a few megabytes is no picture of ours.
  if (size.QuadPart > (64 << 20)) {
    image::FailInvalidBitmap();
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  if (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
      read != bytes.size()) {
    RaiseOpenError(path);
  }
  return bytes;
}

// A top-down 32-bit section: the decoded rows go in as they are.
win::UniqueBitmap ToDibSection(const image::Bitmap& picture) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.Width();
  info.bmiHeader.biHeight = -picture.Height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  win::UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) {
    win::RaiseLastOSError();
  }
  const std::size_t rowBytes = static_cast<std::size_t>(picture.Width()) * 4;
  for (int y = 0; y < picture.Height(); ++y) {
    std::memcpy(static_cast<std::uint8_t*>(bits) + y * rowBytes, picture.Row(y), rowBytes);
  }
  return bitmap;
}

}  // namespace

win::UniqueBitmap LoadBitmapFile(const std::string& path) {
  const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
  return ToDibSection(image::DecodeBmp(bytes.data(), bytes.size()));
}

}  // namespace app
