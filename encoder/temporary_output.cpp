#include "encoder/temporary_output.h"

#include <windows.h>

#include "conversion/output_path.h"
#include "encoder/encoder_error.h"
#include "win/code_page.h"
#include "win/unique.h"

namespace encoder {

std::string TemporaryOutput::PathFor(const std::string& outputPath) {
  return conversion::EncoderPartialPath(outputPath, GetCurrentProcessId());
}

TemporaryOutput::TemporaryOutput(std::string outputPath)
    : outputPath_(std::move(outputPath)), path_(PathFor(outputPath_)) {
  win::UniqueHandle file(CreateFileW(win::Utf8ToWide(path_).c_str(), GENERIC_WRITE, 0, nullptr,
                                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    RaiseLastError("cannot write into the folder of the output " + outputPath_);
  }
}

TemporaryOutput::~TemporaryOutput() {
  if (!replaced_) {
    DeleteFileW(win::Utf8ToWide(path_).c_str());
  }
}

std::uint64_t TemporaryOutput::Size() const {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(win::Utf8ToWide(path_).c_str(), GetFileExInfoStandard, &data)) {
    return 0;
  }
  return static_cast<std::uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

void TemporaryOutput::ReplaceOutput() {
  if (!MoveFileExW(win::Utf8ToWide(path_).c_str(), win::Utf8ToWide(outputPath_).c_str(),
                   MOVEFILE_REPLACE_EXISTING)) {
    RaiseLastError("cannot replace the output " + outputPath_);
  }
  replaced_ = true;
}

}  // namespace encoder
