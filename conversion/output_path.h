#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace conversion {

// The answer of the overwrite prompt, kept by the run driver as its policy.
// 0 doubles as "no remembered answer"; 1 is not used.
enum class OverwriteChoice : std::uint8_t {
  IgnoreThis = 0,
  IgnoreAll = 2,
  OverwriteThis = 3,
  OverwriteAll = 4,
  AutoNameThis = 5,
  AutoNameAll = 6,
};

enum class OverwriteButton { Overwrite, Ignore, AutoName };

// The prompt's answer for a pressed button and the "do not ask again" box.
OverwriteChoice ChoiceFor(OverwriteButton button, bool applyToAll);

using FileExists = std::function<bool(const std::string& path)>;
using AskOverwrite = std::function<OverwriteChoice()>;

// The output path of a job-list entry: the folder, a backslash unless it
// ends in one, and the entry's file name with the extension ".3gp".
std::string MakeOutputPath(const std::string& folder, const std::string& entryPath);

// The file the encoder with that process id writes instead of the output
// while it converts, "<output>.<process id>.partial", beside the output: one
// rename puts the finished file in place. The encoder removes it when it
// fails or stops; the converter removes it after ending the encoder by
// force.
std::string EncoderPartialPath(const std::string& outputPath, unsigned long encoderProcessId);
// What such a name holds after the process id.
inline constexpr char kEncoderPartialSuffix[] = ".partial";

// The first free name of the sequence clip.3gp, clip(1).3gp, clip(1)(1).3gp...
std::string AutoRenamePath(const std::string& path, const FileExists& exists);

// Whether two paths name the same file, as far as the text tells
// (Windows compares names without regard to letter case).
bool SamePath(const std::string& a, const std::string& b);

// Settles a clash of the output path with an existing file through the
// remembered policy, asking when there is none. Returns the path to write,
// or an empty string when the entry is skipped. An output that is the input
// itself is never overwritten: an overwrite answer auto-names it instead.
std::string ResolveOutputPath(const std::string& path, const std::string& inputPath,
                              OverwriteChoice& policy, const FileExists& exists,
                              const AskOverwrite& ask);

}  // namespace conversion
