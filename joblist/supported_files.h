#pragma once

#include <string>

namespace joblist {

// The extensions the job list takes, as one pattern text: the seventeen of
// the program's first version, then the containers people get today from
// phones, cameras and the web.
extern const std::string kSupportedExtensions;

// The filter of the open dialog for adding files.
extern const char kOpenDialogFilter[];

// Whether a path may join the job list: its extension, lower-cased, is one
// of the supported patterns, or occurs anywhere in the text of the first
// version's seventeen. That plain substring search, kept from the first
// version, lets leading parts of those extensions (".mp", ".3g") pass too;
// today's containers are taken whole only, so ".t", ".o" or ".m4" do not
// pass by them. A path without an extension never passes.
bool IsSupportedVideoFile(const std::string& path);

}  // namespace joblist
