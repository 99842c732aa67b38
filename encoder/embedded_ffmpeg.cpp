#include "encoder/embedded_ffmpeg.h"

#include <windows.h>

#include <vector>

#include "encoder/encoder_error.h"
#include "encoder/payload_layout.h"
#include "win/code_page.h"
#include "win/leftover_files.h"
#include "win/unique.h"

namespace encoder {

namespace {

struct Payload {
  PayloadTrailer trailer;
  std::uint64_t offset = 0;
};

const char kPartialPrefix[] = "ffmpeg-";
const char kPartialSuffix[] = ".partial";

std::string OwnPath() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length == MAX_PATH) {
    RaiseLastError("cannot find the path of libm9s.exe");
  }
  return win::WideToUtf8(std::wstring(path, length));
}

void ReadAt(HANDLE file, std::uint64_t offset, char* buffer, DWORD count) {
  LARGE_INTEGER position;
  position.QuadPart = static_cast<LONGLONG>(offset);
  DWORD read = 0;
  if (!SetFilePointerEx(file, position, nullptr, FILE_BEGIN) ||
      !ReadFile(file, buffer, count, &read, nullptr)) {
    RaiseLastError("cannot read libm9s.exe");
  }
  if (read != count) {
    throw EncoderError("cannot read libm9s.exe: the file ends early");
  }
}

Payload FindPayload(HANDLE self) {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(self, &size)) {
    RaiseLastError("cannot read libm9s.exe");
  }
  const auto fileSize = static_cast<std::uint64_t>(size.QuadPart);
  char last[kPayloadTrailerSize] = {};
  if (fileSize >= kPayloadTrailerSize) {
    ReadAt(self, fileSize - kPayloadTrailerSize, last, sizeof last);
  }
  const auto trailer = DecodePayloadTrailer(std::string_view(last, sizeof last), fileSize);
  if (!trailer) {
    throw EncoderError("libm9s.exe carries no FFmpeg: the file is damaged or incomplete");
  }
  return {*trailer, fileSize - kPayloadTrailerSize - trailer->size};
}

bool HasSize(const std::string& path, std::uint64_t size) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(win::Utf8ToWide(path).c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return false;
  }
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow) == size;
}

void CreateFolder(const std::string& folder) {
  if (!CreateDirectoryW(win::Utf8ToWide(folder).c_str(), nullptr) &&
      GetLastError() != ERROR_ALREADY_EXISTS) {
    RaiseLastError("cannot create the folder " + folder);
  }
}

void CopyPayload(HANDLE self, const Payload& payload, const std::string& path) {
  win::UniqueHandle file(CreateFileW(win::Utf8ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    RaiseLastError("cannot create " + path);
  }
  std::vector<char> buffer(1 << 20);
  for (std::uint64_t done = 0; done < payload.trailer.size;) {
    const auto count =
        static_cast<DWORD>(std::min<std::uint64_t>(buffer.size(), payload.trailer.size - done));
    ReadAt(self, payload.offset + done, buffer.data(), count);
    DWORD written = 0;
    if (!WriteFile(file.Get(), buffer.data(), count, &written, nullptr) || written != count) {
      RaiseLastError("cannot write " + path);
    }
    done += count;
  }
}

// Unpacks under a name of this process's own and renames, so that
// encoders started together never write into one file and nobody runs a
// half-written FFmpeg. A copy that an encoder ended by force left half
// written is never run and is removed by the next start.
std::string UnpackInto(const std::string& base, HANDLE self, const Payload& payload, bool again) {
  const std::string owner = base + "libm9s";
  const std::string folder = owner + "\\" + UnpackFolderName(payload.trailer);
  const std::string target = folder + "\\ffmpeg.exe";
  win::RemoveLeftovers(folder + "\\", kPartialPrefix, kPartialSuffix);
  if (again) {
    DeleteFileW(win::Utf8ToWide(target).c_str());  // another encoder may still run it
  }
  if (HasSize(target, payload.trailer.size)) {
    return target;
  }

  CreateFolder(owner);
  CreateFolder(folder);
  const std::string partial =
      folder + "\\" + kPartialPrefix + std::to_string(GetCurrentProcessId()) + kPartialSuffix;
  const std::wstring widePartial = win::Utf8ToWide(partial);
  try {
    CopyPayload(self, payload, partial);
    if (!MoveFileExW(widePartial.c_str(), win::Utf8ToWide(target).c_str(),
                     MOVEFILE_REPLACE_EXISTING) &&
        !HasSize(target, payload.trailer.size)) {
      RaiseLastError("cannot put FFmpeg in place as " + target);
    }
  } catch (...) {
    DeleteFileW(widePartial.c_str());
    throw;
  }
  DeleteFileW(widePartial.c_str());  // left over when another encoder put its copy in place first
  return target;
}

std::vector<std::string> UnpackBases() {
  std::vector<std::string> bases;
  wchar_t folder[MAX_PATH];
  DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", folder, MAX_PATH);
  if (length > 0 && length < MAX_PATH) {
    bases.push_back(win::WideToUtf8(std::wstring(folder, length)) + "\\");
  }
  length = GetTempPathW(MAX_PATH, folder);
  if (length > 0 && length < MAX_PATH) {
    bases.push_back(win::WideToUtf8(std::wstring(folder, length)));
  }
  return bases;
}

}  // namespace

std::string UnpackEmbeddedFfmpeg(bool again) {
  const std::string ownPath = OwnPath();
  win::UniqueHandle self(CreateFileW(win::Utf8ToWide(ownPath).c_str(), GENERIC_READ,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!self) {
    RaiseLastError("cannot open " + ownPath);
  }
  const Payload payload = FindPayload(self.Get());

  std::string reasons;
  for (const std::string& base : UnpackBases()) {
    try {
      return UnpackInto(base, self.Get(), payload, again);
    } catch (const EncoderError& error) {
      reasons += reasons.empty() ? error.what() : std::string("; ") + error.what();
    }
  }
  throw EncoderError("cannot unpack FFmpeg: " +
                     (reasons.empty() ? "no folder to unpack it into" : reasons));
}

}  // namespace encoder
