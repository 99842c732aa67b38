#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace skintools {

struct ArchiveMember {
  std::string name;
  std::vector<uint8_t> data;  // uncompressed
  // Encrypts with the traditional PKWARE encryption when not empty.
  std::string password;
  // Writes the CRC and the sizes in a descriptor after the data (flag bit 3),
  // as a writer that streams must.
  bool dataDescriptor = false;
  std::vector<uint8_t> extraField;  // in both headers
  std::string comment;
  int compressionLevel = 9;     // zlib's levels, 0 to 9
  int compressionStrategy = 0;  // zlib's strategies; 0 is the default one
};

// A skin archive: a ZIP archive (PKWARE application note) whose first two
// bytes read "SK" instead of "PK", every member deflated, no archive
// comment. Throws std::length_error for what ZIP cannot hold without its
// 64-bit extensions.
std::vector<uint8_t> BuildSkinArchive(const std::vector<ArchiveMember>& members);

}  // namespace skintools
