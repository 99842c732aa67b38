#include "archive/zip_directory.h"

#include <string>

#include "base/ascii_case.h"
#include "base/little_endian.h"

namespace archive {

namespace {

constexpr uint16_t kSkinSignature = 0x4B53;  // "SK"
constexpr uint32_t kEndOfDirectorySignature = 0x06054B50;
constexpr size_t kEndOfDirectorySize = 22;
constexpr size_t kDirectoryEntrySize = 46;

bool HasSkinSignature(InputFile& archive) {
  uint8_t start[4];
  return archive.ReadAt(0, start, sizeof start) &&
         base::ReadLittleEndian16(start) == kSkinSignature;
}

// The offset of the central directory, from the record in the last 22 bytes.
std::optional<uint64_t> ReadDirectoryOffset(InputFile& archive) {
  uint8_t record[kEndOfDirectorySize];
  if (archive.Size() < kEndOfDirectorySize ||
      !archive.ReadAt(archive.Size() - kEndOfDirectorySize, record, sizeof record) ||
      base::ReadLittleEndian32(record) != kEndOfDirectorySignature ||
      base::ReadLittleEndian16(record + 20) != 0) {
    return std::nullopt;
  }
  return base::ReadLittleEndian32(record + 16);
}

ZipEntry ParseDirectoryEntry(const uint8_t* fixed) {
  ZipEntry entry;
  entry.flags = base::ReadLittleEndian16(fixed + 8);
  entry.modificationTime = base::ReadLittleEndian16(fixed + 12);
  entry.crc32 = base::ReadLittleEndian32(fixed + 16);
  entry.compressedSize = base::ReadLittleEndian32(fixed + 20);
  entry.uncompressedSize = base::ReadLittleEndian32(fixed + 24);
  entry.localHeaderOffset = base::ReadLittleEndian32(fixed + 42);
  return entry;
}

}  // namespace

std::optional<ZipEntry> FindSkinArchiveMember(InputFile& archive, std::string_view memberName) {
  if (!HasSkinSignature(archive)) {
    return std::nullopt;
  }
  const std::optional<uint64_t> directoryOffset = ReadDirectoryOffset(archive);
  if (!directoryOffset) {
    return std::nullopt;
  }
  const uint64_t directoryEnd = archive.Size() - kEndOfDirectorySize;
  std::string name;
  // Every entry moves the position on by at least its fixed part.
  for (uint64_t position = *directoryOffset; position + kDirectoryEntrySize <= directoryEnd;) {
    uint8_t fixed[kDirectoryEntrySize];
    if (!archive.ReadAt(position, fixed, sizeof fixed)) {
      break;
    }
    const uint16_t nameLength = base::ReadLittleEndian16(fixed + 28);
    const uint64_t nameOffset = position + kDirectoryEntrySize;
    name.resize(nameLength);
    if (nameOffset + nameLength > directoryEnd ||
        !archive.ReadAt(nameOffset, name.data(), nameLength)) {
      break;
    }
    if (base::EqualIgnoringAsciiCase(name, memberName)) {
      return ParseDirectoryEntry(fixed);
    }
    position = nameOffset + nameLength + base::ReadLittleEndian16(fixed + 30) +
               base::ReadLittleEndian16(fixed + 32);
  }
  return std::nullopt;
}

}  // namespace archive
