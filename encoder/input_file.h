#pragma once

#include <string>

#include "encoder/input_video.h"

namespace encoder {

// What the header of the file at path says about its video; an InputVideo
// of no size when the file cannot be read.
InputVideo ReadInputVideoOf(const std::string& path);

}  // namespace encoder
