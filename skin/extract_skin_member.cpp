#include "skin/extract_skin_member.h"

#include <cstdio>
#include <exception>
#include <optional>

#include "skin/deflate_error.h"
#include "skin/file_streams.h"
#include "skin/inflate.h"
#include "skin/little_endian.h"
#include "skin/pkware_cipher.h"
#include "skin/zip_directory.h"

namespace skin {

namespace {

constexpr size_t kLocalHeaderSize = 30;

// Decrypts another source's bytes as they pass.
class DecryptingSource : public ByteSource {
 public:
  DecryptingSource(ByteSource& encrypted, PkwareCipher& cipher)
      : encrypted_(encrypted), cipher_(cipher) {}

  size_t Read(uint8_t* buffer, size_t capacity) override {
    const size_t size = encrypted_.Read(buffer, capacity);
    cipher_.DecryptInPlace(buffer, size);
    return size;
  }

 private:
  ByteSource& encrypted_;
  PkwareCipher& cipher_;
};

// Stops the output at the member's recorded size: more can only end
// refused, and a small archive must not fill the disk first.
class BoundedSink : public ByteSink {
 public:
  BoundedSink(ByteSink& sink, uint64_t limit) : sink_(sink), left_(limit) {}

  bool Overflowed() const { return overflowed_; }

  void Write(const uint8_t* data, size_t size) override {
    if (size > left_) {
      overflowed_ = true;
      FailInvalidDeflateData();
    }
    sink_.Write(data, size);
    left_ -= size;
  }

 private:
  ByteSink& sink_;
  uint64_t left_;
  bool overflowed_ = false;
};

// Where the member's data starts, past its local header's name and extra field.
std::optional<uint64_t> FindMemberData(InputFile& archive, const ZipEntry& entry) {
  uint8_t header[kLocalHeaderSize];
  if (!archive.ReadAt(entry.local_header_offset, header, sizeof header)) {
    return std::nullopt;
  }
  return uint64_t{entry.local_header_offset} + kLocalHeaderSize + ReadLittleEndian16(header + 26) +
         ReadLittleEndian16(header + 28);
}

uint8_t PasswordCheckByte(const ZipEntry& entry) {
  return entry.HasDataDescriptor() ? static_cast<uint8_t>(entry.modification_time >> 8)
                                   : static_cast<uint8_t>(entry.crc32 >> 24);
}

// Reads the member's data, never past its recorded compressed size, and
// inflates it into `output`.
ExtractResult DecodeMember(InputFile& archive, const ZipEntry& entry, std::string_view password,
                           ByteSink& output) {
  const std::optional<uint64_t> data_offset = FindMemberData(archive, entry);
  if (!data_offset) {
    return ExtractResult::kUnreadable;
  }
  if (!entry.IsEncrypted()) {
    FileRangeSource input(archive, *data_offset, entry.compressed_size);
    Inflate(input, output);
    return ExtractResult::kDone;
  }
  if (password.empty()) {
    return ExtractResult::kRefused;
  }
  uint8_t header[PkwareCipher::kHeaderSize];
  if (entry.compressed_size < sizeof header ||
      !archive.ReadAt(*data_offset, header, sizeof header)) {
    return ExtractResult::kUnreadable;
  }
  PkwareCipher cipher(password);
  cipher.DecryptInPlace(header, sizeof header);
  if (header[sizeof header - 1] != PasswordCheckByte(entry)) {
    return ExtractResult::kRefused;
  }
  FileRangeSource encrypted(archive, *data_offset + sizeof header,
                            entry.compressed_size - sizeof header);
  DecryptingSource input(encrypted, cipher);
  Inflate(input, output);
  return ExtractResult::kDone;
}

ExtractResult CheckExtractedSize(ExtractResult result, uint64_t size, bool size_differs) {
  if (size == 0 && result == ExtractResult::kDone) {
    return ExtractResult::kUnreadable;
  }
  return size_differs ? ExtractResult::kRefused : result;
}

// Inflates the entry into a new file and checks the size of what came out.
ExtractResult ExtractEntry(InputFile& archive, const ZipEntry& entry,
                           const std::string& target_name, std::string_view password) {
  FileSink target(target_name);
  if (!target.IsOpen()) {
    return ExtractResult::kUnreadable;
  }
  BoundedSink output(target, entry.uncompressed_size);
  ExtractResult result = ExtractResult::kUnreadable;
  try {
    result = DecodeMember(archive, entry, password, output);
  } catch (const std::exception&) {
    result = ExtractResult::kUnreadable;
  }
  if (!target.Close()) {
    result = ExtractResult::kUnreadable;
  }
  const bool size_differs = output.Overflowed() || target.BytesWritten() != entry.uncompressed_size;
  return CheckExtractedSize(result, target.BytesWritten(), size_differs);
}

}  // namespace

ExtractResult ExtractSkinMember(const std::string& archive_name, std::string_view member_name,
                                const std::string& target_name, std::string_view password) {
  InputFile archive(archive_name);
  if (!archive.IsOpen()) {
    return ExtractResult::kUnreadable;
  }
  const std::optional<ZipEntry> entry = FindSkinArchiveMember(archive, member_name);
  if (!entry) {
    return ExtractResult::kUnreadable;
  }
  const ExtractResult result = ExtractEntry(archive, *entry, target_name, password);
  if (result != ExtractResult::kDone) {
    std::remove(target_name.c_str());
  }
  return result;
}

}  // namespace skin
