#pragma once

#include <stdexcept>
#include <string>

#include "win/unique.h"

namespace app {

// A picture file that cannot be opened: "Cannot open file "%s". %s" with
// the path and the system's reason.
class EFOpenError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads a Windows BMP file into a bitmap the screen can show. Throws
// EFOpenError when the file cannot be read, and the decoder's error when it
// holds no picture.
win::UniqueBitmap LoadBitmapFile(const std::string& path);

}  // namespace app
