#pragma once

#include <cstdint>
#include <vector>

#include "tools/skingen/skin_description.h"
#include "tools/skintools/skin_container_writer.h"

namespace skingen {

// Every value of a skin: its images, 32 colours, 9 metrics and 9 flags.
std::vector<skintools::SkinValue> SkinValues(const SkinDescription& skin);

// The skin file (".ssk"), not encrypted.
std::vector<uint8_t> BuildSkinFile(const SkinDescription& skin);

}  // namespace skingen
