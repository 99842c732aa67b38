#include "skin/zip_directory.h"

#include <string>

#include "skin/ascii_case.h"
#include "skin/little_endian.h"

namespace skin {

namespace {

constexpr uint16_t kSkinSignature = 0x4B53;  // "SK"
constexpr uint32_t kEndOfDirectorySignature = 0x06054B50;
constexpr size_t kEndOfDirectorySize = 22;
constexpr size_t kDirectoryEntrySize = 46;

bool HasSkinSignature(InputFile& archive) {
  uint8_t start[4];
  return archive.ReadAt(0, start, sizeof start) && ReadLittleEndian16(start) == kSkinSignature;
}

// The offset of the central directory, from the record in the last 22 bytes.
std::optional<uint64_t> ReadDirectoryOffset(InputFile& archive) {
  uint8_t record[kEndOfDirectorySize];
  if (archive.Size() < kEndOfDirectorySize ||
      !archive.ReadAt(archive.Size() - kEndOfDirectorySize, record, sizeof record) ||
      ReadLittleEndian32(record) != kEndOfDirectorySignature ||
      ReadLittleEndian16(record + 20) != 0) {
    return std::nullopt;
  }
  return ReadLittleEndian32(record + 16);
}

ZipEntry ParseDirectoryEntry(const uint8_t* fixed) {
  ZipEntry entry;
  entry.flags = ReadLittleEndian16(fixed + 8);
  entry.modification_time = ReadLittleEndian16(fixed + 12);
  entry.crc32 = ReadLittleEndian32(fixed + 16);
  entry.compressed_size = ReadLittleEndian32(fixed + 20);
  entry.uncompressed_size = ReadLittleEndian32(fixed + 24);
  entry.local_header_offset = ReadLittleEndian32(fixed + 42);
  return entry;
}

}  // namespace

std::optional<ZipEntry> FindSkinArchiveMember(InputFile& archive, std::string_view member_name) {
  if (!HasSkinSignature(archive)) {
    return std::nullopt;
  }
  const std::optional<uint64_t> directory_offset = ReadDirectoryOffset(archive);
  if (!directory_offset) {
    return std::nullopt;
  }
  const uint64_t directory_end = archive.Size() - kEndOfDirectorySize;
  std::string name;
  // Every entry moves the position on by at least its fixed part.
  for (uint64_t position = *directory_offset; position + kDirectoryEntrySize <= directory_end;) {
    uint8_t fixed[kDirectoryEntrySize];
    if (!archive.ReadAt(position, fixed, sizeof fixed)) {
      break;
    }
    const uint16_t name_length = ReadLittleEndian16(fixed + 28);
    const uint64_t name_offset = position + kDirectoryEntrySize;
    name.resize(name_length);
    if (name_offset + name_length > directory_end ||
        !archive.ReadAt(name_offset, name.data(), name_length)) {
      break;
    }
    if (EqualIgnoringAsciiCase(name, member_name)) {
      return ParseDirectoryEntry(fixed);
    }
    position =
        name_offset + name_length + ReadLittleEndian16(fixed + 30) + ReadLittleEndian16(fixed + 32);
  }
  return std::nullopt;
}

}  // namespace skin
