#include "joblist/supported_files.h"

#include "base/path_text.h"

namespace joblist {

namespace {

const char kFirstVersionExtensions[] =
    "*.avi;*.mpg;*.mpeg;*.wmv;*.asf;*.mov;*.rm;*.rmvb;*.qt;*.mp4;*.3gp;*.dat;*.vob;*.smk;*.swf;"
    "*.nsv;*.mkv";

// WebM, MPEG-4 and Flash video, MPEG transport streams of cameras and
// broadcasts, Ogg, the 3GPP2 files of CDMA phones, DivX AVI.
const char kTodaysExtensions[] = "*.webm;*.m4v;*.ts;*.mts;*.m2ts;*.flv;*.f4v;*.ogv;*.3g2;*.divx";

bool IsWholePattern(const std::string& extension) {
  return (kSupportedExtensions + ";").find("*" + extension + ";") != std::string::npos;
}

}  // namespace

const std::string kSupportedExtensions =
    std::string(kFirstVersionExtensions) + ";" + kTodaysExtensions;

const char kOpenDialogFilter[] =
    "Support files|*.avi;*.mpg;*.mpeg;*.wmv;*.asf;*.avs;*.vob;*.dat;*.mp4;*.psp;*.rm;*.rmvb;"
    "*.smk;*.swf;*.nsv;*.mov;*.qt;*.mkv;*.webm;*.m4v;*.ts;*.mts;*.m2ts;*.flv;*.f4v;*.ogv;*.3g2;"
    "*.divx|"
    "RM files (*.rm;*.rmvb)|*.rm;*.rmvb|"
    "AVI files (*.avi;*.divx)|*.avi;*.divx|"
    "MPEG files (*.mpg;*.mpeg;*.ts;*.mts;*.m2ts)|*.mpg;*.mpeg;*.ts;*.mts;*.m2ts|"
    "WMV files (*.wmv;*.asf)|*.wmv;*.asf|"
    "Portable device files (*.3gp;*.3g2;*.mp4;*.m4v;*.avs;*.psp;*.mkv)|"
    "*.3gp;*.3g2;*.mp4;*.m4v;*.avs;*.psp;*.mkv|"
    "DVD VCD Files (*.vob;*.dat)|*.vob;*.dat|"
    "Quick Time Files (*.mov;*.qt)|*.mov;*.qt|"
    "Web video files (*.webm;*.flv;*.f4v;*.ogv)|*.webm;*.flv;*.f4v;*.ogv|"
    "All files (*.*)|*.*";

bool IsSupportedVideoFile(const std::string& path) {
  const std::string extension = base::LowerCase(base::ExtractFileExt(path));
  return !extension.empty() &&
         (IsWholePattern(extension) ||
          std::string(kFirstVersionExtensions).find(extension) != std::string::npos);
}

}  // namespace joblist
