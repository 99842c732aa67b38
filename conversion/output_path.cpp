#include "conversion/output_path.h"

#include "base/path_text.h"
#include "conversion/command_line.h"

namespace conversion {

OverwriteChoice ChoiceFor(OverwriteButton button, bool applyToAll) {
  switch (button) {
    case OverwriteButton::Overwrite:
      return applyToAll ? OverwriteChoice::OverwriteAll : OverwriteChoice::OverwriteThis;
    case OverwriteButton::Ignore:
      return applyToAll ? OverwriteChoice::IgnoreAll : OverwriteChoice::IgnoreThis;
    case OverwriteButton::AutoName:
      break;
  }
  return applyToAll ? OverwriteChoice::AutoNameAll : OverwriteChoice::AutoNameThis;
}

std::string MakeOutputPath(const std::string& folder, const std::string& entryPath) {
  const std::string name = base::ExtractFileName(entryPath);
  return base::IncludeTrailingBackslash(folder) +
         base::ChangeFileExt(name, "." + GetOutputFormat());
}

std::string EncoderPartialPath(const std::string& outputPath, unsigned long encoderProcessId) {
  return outputPath + "." + std::to_string(encoderProcessId) + kEncoderPartialSuffix;
}

std::string AutoRenamePath(const std::string& path, const FileExists& exists) {
  std::string candidate = path;
  while (exists(candidate)) {
    const std::string extension = base::ExtractFileExt(candidate);
    candidate = base::ChangeFileExt(candidate, "") + "(1)" + extension;
  }
  return candidate;
}

bool SamePath(const std::string& a, const std::string& b) {
  auto normal = [](std::string path) {
    for (char& c : path) {
      if (c == '/') {
        c = '\\';
      }
    }
    return base::LowerCase(path);
  };
  return normal(a) == normal(b);
}

std::string ResolveOutputPath(const std::string& path, const std::string& inputPath,
                              OverwriteChoice& policy, const FileExists& exists,
                              const AskOverwrite& ask) {
  if (!exists(path)) {
    return path;
  }
  if (policy == OverwriteChoice::IgnoreThis) {
    policy = ask();
  }

  const OverwriteChoice answer = policy;
  const bool standing = answer == OverwriteChoice::IgnoreAll ||
                        answer == OverwriteChoice::OverwriteAll ||
                        answer == OverwriteChoice::AutoNameAll;
  if (!standing) {
    policy = OverwriteChoice::IgnoreThis;
  }

  switch (answer) {
    case OverwriteChoice::IgnoreThis:
    case OverwriteChoice::IgnoreAll:
      return "";
    case OverwriteChoice::OverwriteThis:
    case OverwriteChoice::OverwriteAll:
      if (!SamePath(path, inputPath)) {
        return path;
      }
      break;
    case OverwriteChoice::AutoNameThis:
    case OverwriteChoice::AutoNameAll:
      break;
  }
  return AutoRenamePath(path, exists);
}

}  // namespace conversion
