#pragma once

#include <cstdint>
#include <string>

namespace encoder {

// The file FFmpeg writes instead of the output (conversion::EncoderPartialPath),
// beside the output, so that one rename puts the finished file in place and
// an earlier file of the output's name stays untouched until then. Deleted
// when it goes, unless it replaced the output.
class TemporaryOutput {
 public:
  // Creates the file; throws EncoderError when the output's folder does
  // not take it.
  explicit TemporaryOutput(std::string outputPath);
  static std::string PathFor(const std::string& outputPath);
  ~TemporaryOutput();
  TemporaryOutput(const TemporaryOutput&) = delete;
  TemporaryOutput& operator=(const TemporaryOutput&) = delete;

  const std::string& Path() const { return path_; }
  std::uint64_t Size() const;

  // Renames the file to the output's name, replacing any file there.
  void ReplaceOutput();

 private:
  std::string outputPath_, path_;
  bool replaced_ = false;
};

}  // namespace encoder
