#include "archive/extract_skin_member.h"

#include <cstdio>
#include <exception>
#include <optional>

#include "archive/file_streams.h"
#include "archive/pkware_cipher.h"
#include "archive/zip_directory.h"
#include "base/little_endian.h"
#include "flate/deflate_error.h"
#include "flate/inflate.h"

namespace archive {

namespace {

constexpr size_t kLocalHeaderSize = 30;

// Decrypts another source's bytes as they pass.
class DecryptingSource : public flate::ByteSource {
 public:
  DecryptingSource(flate::ByteSource& encrypted, PkwareCipher& cipher)
      : encrypted_(encrypted), cipher_(cipher) {}

  size_t Read(uint8_t* buffer, size_t capacity) override {
    const size_t size = encrypted_.Read(buffer, capacity);
    cipher_.DecryptInPlace(buffer, size);
    return size;
  }

 private:
  flate::ByteSource& encrypted_;
  PkwareCipher& cipher_;
};

// Stops the output at the member's recorded size: more can only end
// refused, and a small archive must not fill the disk first.
class BoundedSink : public flate::ByteSink {
 public:
  BoundedSink(flate::ByteSink& sink, uint64_t limit) : sink_(sink), left_(limit) {}

  bool Overflowed() const { return overflowed_; }

  void Write(const uint8_t* data, size_t size) override {
    if (size > left_) {
      overflowed_ = true;
      flate::FailInvalidDeflateData();
    }
    sink_.Write(data, size);
    left_ -= size;
  }

 private:
  flate::ByteSink& sink_;
  uint64_t left_;
  bool overflowed_ = false;
};

// Where the member's data starts, past its local header's name and extra field.
std::optional<uint64_t> FindMemberData(InputFile& archive, const ZipEntry& entry) {
  uint8_t header[kLocalHeaderSize];
  if (!archive.ReadAt(entry.localHeaderOffset, header, sizeof header)) {
    return std::nullopt;
  }
  return uint64_t{entry.localHeaderOffset} + kLocalHeaderSize +
         base::ReadLittleEndian16(header + 26) + base::ReadLittleEndian16(header + 28);
}

uint8_t PasswordCheckByte(const ZipEntry& entry) {
  return entry.HasDataDescriptor() ? static_cast<uint8_t>(entry.modificationTime >> 8)
                                   : static_cast<uint8_t>(entry.crc32 >> 24);
}

// Reads the member's data, never past its recorded compressed size, and
// inflates it into `output`.
ExtractResult DecodeMember(InputFile& archive, const ZipEntry& entry, std::string_view password,
                           flate::ByteSink& output) {
  const std::optional<uint64_t> dataOffset = FindMemberData(archive, entry);
  if (!dataOffset) {
    return ExtractResult::kUnreadable;
  }
  if (!entry.IsEncrypted()) {
    FileRangeSource input(archive, *dataOffset, entry.compressedSize);
    flate::Inflate(input, output);
    return ExtractResult::kDone;
  }
  if (password.empty()) {
    return ExtractResult::kRefused;
  }
  uint8_t header[PkwareCipher::kHeaderSize];
  if (entry.compressedSize < sizeof header || !archive.ReadAt(*dataOffset, header, sizeof header)) {
    return ExtractResult::kUnreadable;
  }
  PkwareCipher cipher(password);
  cipher.DecryptInPlace(header, sizeof header);
  if (header[sizeof header - 1] != PasswordCheckByte(entry)) {
    return ExtractResult::kRefused;
  }
  FileRangeSource encrypted(archive, *dataOffset + sizeof header,
                            entry.compressedSize - sizeof header);
  DecryptingSource input(encrypted, cipher);
  flate::Inflate(input, output);
  return ExtractResult::kDone;
}

ExtractResult CheckExtractedSize(ExtractResult result, uint64_t size, bool sizeDiffers) {
  if (size == 0 && result == ExtractResult::kDone) {
    return ExtractResult::kUnreadable;
  }
  return sizeDiffers ? ExtractResult::kRefused : result;
}

// Inflates the entry into a new file and checks the size of what came out.
ExtractResult ExtractEntry(InputFile& archive, const ZipEntry& entry, const std::string& targetName,
                           std::string_view password) {
  FileSink target(targetName);
  if (!target.IsOpen()) {
    return ExtractResult::kUnreadable;
  }
  BoundedSink output(target, entry.uncompressedSize);
  ExtractResult result = ExtractResult::kUnreadable;
  try {
    result = DecodeMember(archive, entry, password, output);
  } catch (const std::exception&) {
    result = ExtractResult::kUnreadable;
  }
  if (!target.Close()) {
    result = ExtractResult::kUnreadable;
  }
  const bool sizeDiffers = output.Overflowed() || target.BytesWritten() != entry.uncompressedSize;
  return CheckExtractedSize(result, target.BytesWritten(), sizeDiffers);
}

}  // namespace

ExtractResult ExtractSkinMember(const std::string& archiveName, std::string_view memberName,
                                const std::string& targetName, std::string_view password) {
  InputFile archive(archiveName);
  if (!archive.IsOpen()) {
    return ExtractResult::kUnreadable;
  }
  const std::optional<ZipEntry> entry = FindSkinArchiveMember(archive, memberName);
  if (!entry) {
    return ExtractResult::kUnreadable;
  }
  const ExtractResult result = ExtractEntry(archive, *entry, targetName, password);
  if (result != ExtractResult::kDone) {
    std::remove(targetName.c_str());
  }
  return result;
}

}  // namespace archive
