#pragma once

#include <string>
#include <vector>

#include "base/temp_name_source.h"
#include "image/bitmap.h"

namespace skingen {

// One picture of every skin for review: per skin its name, a sample window,
// each of its images at 1:1 (transparent pixels shown as a checkerboard)
// and its 32 colours.
image::Bitmap ContactSheet(const std::string& skinFolder, const std::vector<std::string>& names,
                           base::TempNameSource& tempNames);

}  // namespace skingen
