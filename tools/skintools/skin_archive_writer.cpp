#include "tools/skintools/skin_archive_writer.h"

#include <limits>
#include <random>
#include <stdexcept>

#include <zlib.h>

#include "archive/pkware_cipher.h"
#include "tools/skintools/byte_writer.h"
#include "tools/skintools/raw_deflate.h"

namespace skintools {

namespace {

constexpr uint32_t kLocalHeaderSignature = 0x04034B50;
constexpr uint32_t kDirectoryEntrySignature = 0x02014B50;
constexpr uint32_t kDataDescriptorSignature = 0x08074B50;
constexpr uint32_t kEndOfDirectorySignature = 0x06054B50;
constexpr uint16_t kVersion = 20;  // deflate and traditional encryption
constexpr uint16_t kDeflated = 8;
constexpr uint16_t kEncryptedFlag = 0x0001;
constexpr uint16_t kDataDescriptorFlag = 0x0008;
// A fixed time stamp (2024-01-01 12:00:00) keeps archives reproducible.
constexpr uint16_t kDosTime = 12 << 11;
constexpr uint16_t kDosDate = (2024 - 1980) << 9 | 1 << 5 | 1;

template <typename Field, typename Size>
Field CheckedField(Size size, const char* what) {
  if (size > std::numeric_limits<Field>::max()) {
    throw std::length_error(std::string(what) + " is too large for a ZIP archive");
  }
  return static_cast<Field>(size);
}

// The encryption header's last byte is what a reader checks the password
// against: the CRC's high byte, or the time's when the CRC comes only after
// the data.
std::vector<uint8_t> Encrypt(const std::vector<uint8_t>& data, const std::string& password,
                             uint8_t checkByte) {
  archive::PkwareCipher cipher(password);
  std::random_device random;
  std::vector<uint8_t> encrypted;
  encrypted.reserve(archive::PkwareCipher::kHeaderSize + data.size());
  for (size_t i = 0; i + 1 < archive::PkwareCipher::kHeaderSize; ++i) {
    encrypted.push_back(cipher.Encrypt(static_cast<uint8_t>(random())));
  }
  encrypted.push_back(cipher.Encrypt(checkByte));
  for (uint8_t byte : data) {
    encrypted.push_back(cipher.Encrypt(byte));
  }
  return encrypted;
}

struct WrittenMember {
  const ArchiveMember& member;
  uint16_t flags;
  uint32_t crc;
  uint32_t compressedSize;
  uint32_t localHeaderOffset;
};

// The fields that local header and central-directory entry share, from
// "version needed" to the extra field length.
void WriteCommonFields(ByteWriter& out, const WrittenMember& written, bool sizesKnown) {
  out.U16(kVersion);
  out.U16(written.flags);
  out.U16(kDeflated);
  out.U16(kDosTime);
  out.U16(kDosDate);
  out.U32(sizesKnown ? written.crc : 0);
  out.U32(sizesKnown ? written.compressedSize : 0);
  out.U32(sizesKnown ? static_cast<uint32_t>(written.member.data.size()) : 0);
  out.U16(CheckedField<uint16_t>(written.member.name.size(), "a member name"));
  out.U16(CheckedField<uint16_t>(written.member.extraField.size(), "an extra field"));
}

WrittenMember WriteMember(const ArchiveMember& member, std::vector<uint8_t>& archive) {
  const uint32_t crc = static_cast<uint32_t>(
      crc32(0, member.data.data(), CheckedField<uInt>(member.data.size(), "a member")));
  uint16_t flags = member.dataDescriptor ? kDataDescriptorFlag : 0;
  std::vector<uint8_t> payload =
      DeflateRaw(member.data, member.compressionLevel, member.compressionStrategy);
  if (!member.password.empty()) {
    flags |= kEncryptedFlag;
    const uint8_t checkByte = member.dataDescriptor ? kDosTime >> 8 : crc >> 24;
    payload = Encrypt(payload, member.password, checkByte);
  }
  const WrittenMember written{member, flags, crc,
                              CheckedField<uint32_t>(payload.size(), "a member"),
                              CheckedField<uint32_t>(archive.size(), "the archive")};
  ByteWriter out(archive);
  out.U32(kLocalHeaderSignature);
  WriteCommonFields(out, written, !member.dataDescriptor);
  out.Bytes(member.name);
  out.Bytes(member.extraField);
  out.Bytes(payload);
  if (member.dataDescriptor) {
    out.U32(kDataDescriptorSignature);
    out.U32(crc);
    out.U32(written.compressedSize);
    out.U32(static_cast<uint32_t>(member.data.size()));
  }
  return written;
}

void WriteDirectoryEntry(const WrittenMember& written, std::vector<uint8_t>& archive) {
  ByteWriter out(archive);
  out.U32(kDirectoryEntrySignature);
  out.U16(kVersion);  // made by
  WriteCommonFields(out, written, true);
  out.U16(CheckedField<uint16_t>(written.member.comment.size(), "a member comment"));
  out.U16(0);  // disk number start
  out.U16(0);  // internal attributes
  out.U32(0);  // external attributes
  out.U32(written.localHeaderOffset);
  out.Bytes(written.member.name);
  out.Bytes(written.member.extraField);
  out.Bytes(written.member.comment);
}

}  // namespace

std::vector<uint8_t> BuildSkinArchive(const std::vector<ArchiveMember>& members) {
  std::vector<uint8_t> archive;
  std::vector<WrittenMember> written;
  for (const ArchiveMember& member : members) {
    written.push_back(WriteMember(member, archive));
  }
  const uint32_t directoryOffset = CheckedField<uint32_t>(archive.size(), "the archive");
  for (const WrittenMember& member : written) {
    WriteDirectoryEntry(member, archive);
  }
  const uint32_t directorySize =
      CheckedField<uint32_t>(archive.size() - directoryOffset, "the central directory");
  const uint16_t count = CheckedField<uint16_t>(written.size(), "the member count");
  ByteWriter out(archive);
  out.U32(kEndOfDirectorySignature);
  out.U16(0);  // this disk
  out.U16(0);  // disk of the central directory
  out.U16(count);
  out.U16(count);
  out.U32(directorySize);
  out.U32(directoryOffset);
  out.U16(0);  // comment length
  if (!written.empty()) {
    archive[0] = 'S';
    archive[1] = 'K';
  }
  return archive;
}

}  // namespace skintools
