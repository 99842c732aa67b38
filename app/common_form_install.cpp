// Copying the encoder out of its carrier file.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cwctype>
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

// The copy goes to "m9s" + 1 to 4 hexadecimal digits + ".tmp" beside the
// destination, a name the system makes unique.
constexpr wchar_t kTemporaryPrefix[] = L"m9s";

std::wstring FolderOf(const std::wstring& destination) {
  const std::wstring folder = win::Utf8ToWide(base::ExtractFilePath(win::WideToUtf8(destination)));
  return folder.empty() ? L".\\" : folder;
}

// A new empty file beside the destination; empty on failure.
std::wstring TemporaryFileBeside(const std::wstring& destination) {
  wchar_t name[MAX_PATH];
  if (!GetTempFileNameW(FolderOf(destination).c_str(), kTemporaryPrefix, 0, name)) {
    return {};
  }
  return name;
}

bool IsTemporaryCopyName(const std::wstring& name) {
  const std::size_t prefix = std::size(kTemporaryPrefix) - 1;
  const std::size_t suffix = 4;  // ".tmp"
  if (name.size() <= prefix + suffix || name.size() > prefix + 4 + suffix ||
      _wcsnicmp(name.c_str(), kTemporaryPrefix, prefix) != 0 ||
      _wcsicmp(name.c_str() + name.size() - suffix, L".tmp") != 0) {
    return false;
  }
  return std::all_of(name.begin() + prefix, name.end() - suffix,
                     [](wchar_t c) { return std::iswxdigit(c) != 0; });
}

}  // namespace

// A copy in use by another start is open without sharing and stays.
void TfrmCommon::RemoveInterruptedCopies(const std::string& destination) {
  const std::wstring folder = FolderOf(win::Utf8ToWide(destination));
  WIN32_FIND_DATAW found;
  const win::UniqueFindHandle search(
      FindFirstFileW((folder + kTemporaryPrefix + L"*.tmp").c_str(), &found));
  if (!search) {
    return;
  }
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
        IsTemporaryCopyName(found.cFileName)) {
      DeleteFileW((folder + found.cFileName).c_str());
    }
  } while (FindNextFileW(search.Get(), &found));
}

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
