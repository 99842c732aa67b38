#include "encoder/error_output.h"

#include <windows.h>

#include <mutex>

#include "win/entry_guard.h"

namespace encoder {

void WriteError(std::string_view text) {
  static std::mutex mutex;
  std::lock_guard<std::mutex> lock(mutex);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written,
            nullptr);
}

void WriteException(std::exception_ptr error) {
  WriteError("libm9s: " + win::ExceptionText(error) + "\n");
}

}  // namespace encoder
