#pragma once

#include <string>
#include <vector>

#include "skin/bitmap.h"
#include "skin/temp_name_source.h"

namespace skingen {

// One picture of every skin for review: per skin its name, a sample window,
// each of its images at 1:1 (transparent pixels shown as a checkerboard)
// and its 32 colours.
skin::Bitmap ContactSheet(const std::string& skin_folder, const std::vector<std::string>& names,
                          skin::TempNameSource& temp_names);

}  // namespace skingen
