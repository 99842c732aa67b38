#include "encoder/payload_layout.h"

#include <cstdio>

namespace encoder {

namespace {

constexpr std::string_view kMagic = "M9SFFMPG";

void AppendLittleEndian(std::string& bytes, std::uint64_t value, int count) {
  for (int i = 0; i < count; ++i) {
    bytes += static_cast<char>((value >> (8 * i)) & 0xff);
  }
}

std::uint64_t ReadLittleEndian64(std::string_view bytes) {
  std::uint64_t value = 0;
  for (int i = 7; i >= 0; --i) {
    value = value << 8 | static_cast<unsigned char>(bytes[i]);
  }
  return value;
}

}  // namespace

std::string EncodePayloadTrailer(const PayloadTrailer& trailer) {
  std::string bytes;
  AppendLittleEndian(bytes, trailer.size, 8);
  AppendLittleEndian(bytes, trailer.hash, 8);
  return bytes + std::string(kMagic);
}

std::optional<PayloadTrailer> DecodePayloadTrailer(std::string_view lastBytes,
                                                   std::uint64_t fileSize) {
  if (lastBytes.size() != kPayloadTrailerSize || lastBytes.substr(16) != kMagic ||
      fileSize < kPayloadTrailerSize) {
    return std::nullopt;
  }
  const PayloadTrailer trailer{ReadLittleEndian64(lastBytes),
                               ReadLittleEndian64(lastBytes.substr(8))};
  if (trailer.size == 0 || trailer.size > fileSize - kPayloadTrailerSize) {
    return std::nullopt;
  }
  return trailer;
}

std::string UnpackFolderName(const PayloadTrailer& trailer) {
  char name[64];
  std::snprintf(name, sizeof name, "ffmpeg-%llu-%016llx",
                static_cast<unsigned long long>(trailer.size),
                static_cast<unsigned long long>(trailer.hash));
  return name;
}

void Fnv1aHash::Add(const char* bytes, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    value_ ^= static_cast<unsigned char>(bytes[i]);
    value_ *= 0x100000001b3ULL;
  }
}

std::string EncodeCarrierTrailer(std::uint32_t carriedSize) {
  std::string bytes;
  AppendLittleEndian(bytes, carriedSize + 4u, 4);
  return bytes;
}

}  // namespace encoder
