#include "encoder/error_output.h"

#include <windows.h>

#include <mutex>

namespace encoder {

void WriteError(std::string_view text) {
  static std::mutex mutex;
  std::lock_guard<std::mutex> lock(mutex);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written,
            nullptr);
}

}  // namespace encoder
