// Copying the encoder out of its carrier file.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/common_form.h"
#include "base/appended_file.h"
#include "base/path_text.h"
#include "win/code_page.h"
#include "win/unique.h"

namespace app {

namespace {

bool ReadAt(HANDLE file, std::uint64_t offset, void* buffer, DWORD size) {
  LARGE_INTEGER position;
  position.QuadPart = static_cast<LONGLONG>(offset);
  DWORD read = 0;
  return SetFilePointerEx(file, position, nullptr, FILE_BEGIN) &&
         ReadFile(file, buffer, size, &read, nullptr) && read == size;
}

bool WriteAll(HANDLE file, const void* buffer, DWORD size) {
  DWORD written = 0;
  return WriteFile(file, buffer, size, &written, nullptr) && written == size;
}

std::optional<base::AppendedFileSpan> LocateInCarrier(HANDLE carrier) {
  LARGE_INTEGER size;
  std::uint8_t trailer[4];
  if (!GetFileSizeEx(carrier, &size) || size.QuadPart < 4 ||
      !ReadAt(carrier, static_cast<std::uint64_t>(size.QuadPart) - 4, trailer, sizeof trailer)) {
    return std::nullopt;
  }
  return base::LocateAppendedFile(static_cast<std::uint64_t>(size.QuadPart), trailer);
}

bool CopySpan(HANDLE carrier, const base::AppendedFileSpan& span, HANDLE target) {
  std::vector<char> buffer(1 << 20);
  for (std::uint64_t done = 0; done < span.size;) {
    const auto chunk = static_cast<DWORD>(std::min<std::uint64_t>(buffer.size(), span.size - done));
    if (!ReadAt(carrier, span.offset + done, buffer.data(), chunk) ||
        !WriteAll(target, buffer.data(), chunk)) {
      return false;
    }
    done += chunk;
  }
  return FlushFileBuffers(target) != FALSE;
}

// A new empty file beside the destination, named by the system so that it
// never meets another one; empty on failure.
std::wstring TemporaryFileBeside(const std::wstring& destination) {
  const std::wstring folder = win::Utf8ToWide(base::ExtractFilePath(win::WideToUtf8(destination)));
  wchar_t name[MAX_PATH];
  if (!GetTempFileNameW(folder.empty() ? L"." : folder.c_str(), L"m9s", 0, name)) {
    return {};
  }
  return name;
}

}  // namespace

bool TfrmCommon::ExtractAppendedFile(const std::string& carrier, const std::string& destination) {
  const win::UniqueHandle source(CreateFileW(win::Utf8ToWide(carrier).c_str(), GENERIC_READ,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!source) {
    return false;
  }
  const std::optional<base::AppendedFileSpan> span = LocateInCarrier(source.Get());
  if (!span) {
    return false;
  }

  const std::wstring target = win::Utf8ToWide(destination);
  const std::wstring temporary = TemporaryFileBeside(target);
  if (temporary.empty()) {
    return false;
  }
  win::UniqueHandle output(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
  const bool copied = output && CopySpan(source.Get(), *span, output.Get()) && output.Close();
  if (copied && MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    return true;
  }
  output.Reset();
  DeleteFileW(temporary.c_str());
  return false;
}

}  // namespace app
