#pragma once

#include <vector>

#include "tests/skinning/test_skin_layout.h"
#include "tools/skintools/skin_container_writer.h"

namespace skinning_test {

// The values of the test skins (test_skin_layout.h).
std::vector<skintools::SkinValue> PlainSkinValues();
std::vector<skintools::SkinValue> ShapedSkinValues();

}  // namespace skinning_test
