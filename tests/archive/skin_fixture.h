#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/skintools/skin_archive_writer.h"
#include "tools/skintools/skin_container_writer.h"

namespace archive_test {

// A skin archive whose only member, "SKINDATA.SK2", is `container`.
std::vector<uint8_t> SkinArchive(const std::vector<uint8_t>& container,
                                 const std::string& password = "");

// Where the central-directory entry of an archive's first member starts.
size_t FirstDirectoryEntry(const std::vector<uint8_t>& archive);

// Where record `index` of a container built by BuildSkinContainer starts.
size_t RecordOffset(size_t index);

// A small 24-bit picture: `width` x `height`, every pixel `pixel`.
std::vector<uint8_t> SolidBmp(int width, int height, uint32_t pixel);

}  // namespace archive_test
