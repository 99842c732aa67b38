#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "archive/file_streams.h"

namespace archive {

// What the extraction uses of a member's central-directory entry.
struct ZipEntry {
  uint16_t flags = 0;
  uint16_t modificationTime = 0;
  uint32_t crc32 = 0;
  uint32_t compressedSize = 0;
  uint32_t uncompressedSize = 0;
  uint32_t localHeaderOffset = 0;

  bool IsEncrypted() const { return (flags & 0x0001) != 0; }
  // Sizes and CRC follow the data; the password check byte is then the high
  // byte of the modification time, which is known before the data is.
  bool HasDataDescriptor() const { return (flags & 0x0008) != 0; }
};

// Finds a member of a skin archive by name, ignoring the case of ASCII
// letters. A skin archive is a ZIP archive whose first two bytes read "SK"
// and whose end-of-central-directory record, with no archive comment, is its
// last 22 bytes. Nothing when the file is not such an archive or lacks the
// member.
std::optional<ZipEntry> FindSkinArchiveMember(InputFile& archive, std::string_view memberName);

}  // namespace archive
