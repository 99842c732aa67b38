#include "joblist/supported_files.h"

#include "base/path_text.h"

namespace joblist {

const char kSupportedExtensions[] =
    "*.avi;*.mpg;*.mpeg;*.wmv;*.asf;*.mov;*.rm;*.rmvb;*.qt;*.mp4;*.3gp;*.dat;*.vob;*.smk;*.swf;"
    "*.nsv;*.mkv";

const char kOpenDialogFilter[] =
    "Support files|*.avi;*.mpg;*.mpeg;*.wmv;*.asf;*.avs;*.vob;*.dat;*.mp4;*.psp;*.rm;*.rmvb;"
    "*.smk;*.swf;*.nsv;*.mov;*.qt;*.mkv|"
    "RM files (*.rm;*.rmvb)|*.rm;*.rmvb|"
    "AVI files (*.avi)|*.avi|"
    "MPEG files (*.mpg;*.mpeg)|*.mpg;*.mpeg|"
    "WMV files (*.wmv;*.asf)|*.wmv;*.asf|"
    "Portable device files (*.3gp;*.mp4;*.avs;*.psp;*.mkv)|*.3gp;*.mp4;*.avs;*.psp;*.mkv|"
    "DVD VCD Files (*.vob;*.dat)|*.vob;*.dat|"
    "Quick Time Files (*.mov;*.qt)|*.mov;*.qt|"
    "All files (*.*)|*.*";

bool IsSupportedVideoFile(const std::string& path) {
  const std::string extension = base::LowerCase(base::ExtractFileExt(path));
  return !extension.empty() &&
         std::string(kSupportedExtensions).find(extension) != std::string::npos;
}

}  // namespace joblist
