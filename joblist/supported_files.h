#pragma once

#include <string>

namespace joblist {

// The extensions the job list takes, as one pattern text.
extern const char kSupportedExtensions[];

// The filter of the open dialog for adding files.
extern const char kOpenDialogFilter[];

// Whether a path may join the job list: its extension, lower-cased, occurs
// in the supported-extension text. The test is a plain substring search, so
// leading parts of listed extensions (".mp", ".3g") pass too; a path without
// an extension never does.
bool IsSupportedVideoFile(const std::string& path);

}  // namespace joblist
