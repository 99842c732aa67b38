#include "win/whole_file.h"

#include <windows.h>

#include <algorithm>
#include <limits>

#include "base/path_text.h"
#include "win/code_page.h"
#include "win/leftover_files.h"
#include "win/unique.h"

namespace win {

namespace {

constexpr char kReplacementSuffix[] = ".tmp";

std::string ReplacementPath(const std::string& path) {
  return path + "." + std::to_string(GetCurrentProcessId()) + kReplacementSuffix;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

bool WriteNewFileToDisk(const std::wstring& path, std::string_view bytes) {
  const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  return file && WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
}

// Up to `limit` bytes from the start of the file.
std::optional<std::string> ReadAtMost(const std::string& path, std::size_t limit) {
  const UniqueHandle file(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size;
  if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > 0x7FFFFFFF) {
    return std::nullopt;
  }
  std::string bytes(std::min(static_cast<std::size_t>(size.QuadPart), limit), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    if (!ReadFile(file.Get(), &bytes[done], static_cast<DWORD>(bytes.size() - done), &read,
                  nullptr)) {
      return std::nullopt;
    }
    if (read == 0) {
      bytes.resize(done);  // the file shrank meanwhile
      break;
    }
    done += read;
  }
  return bytes;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
  return ReadAtMost(path, std::numeric_limits<std::size_t>::max());
}

std::optional<std::string> ReadFileStart(const std::string& path, std::size_t count) {
  return ReadAtMost(path, count);
}

bool OverwriteWholeFile(const std::string& path, std::string_view bytes) {
  const UniqueHandle file(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file && WriteAll(file.Get(), bytes) && SetEndOfFile(file.Get());
}

// The bytes reach the disk before the rename, and the rename before the
// call returns: a machine that stops at any moment then finds a whole file.
bool ReplaceWholeFile(const std::string& path, std::string_view bytes) {
  const std::wstring replacement = Utf8ToWide(ReplacementPath(path));
  if (WriteNewFileToDisk(replacement, bytes) &&
      MoveFileExW(replacement.c_str(), Utf8ToWide(path).c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileW(replacement.c_str());
  return false;
}

void RemoveReplacementLeftovers(const std::string& path) {
  RemoveLeftovers(base::ExtractFilePath(path), base::ExtractFileName(path) + ".",
                  kReplacementSuffix);
}

}  // namespace win
