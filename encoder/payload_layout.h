#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace encoder {

// libm9s.exe is the encoder program with FFmpeg appended to it, then this
// trailer as its last bytes:
//   bytes 0-7    FFmpeg's size in bytes, unsigned little-endian
//   bytes 8-15   the FNV-1a 64-bit hash of FFmpeg, little-endian; it names
//                the folder FFmpeg is unpacked into, so that encoders
//                carrying different builds never share one
//   bytes 16-23  the magic "M9SFFMPG"
struct PayloadTrailer {
  std::uint64_t size = 0;
  std::uint64_t hash = 0;
};

constexpr std::size_t kPayloadTrailerSize = 24;

std::string EncodePayloadTrailer(const PayloadTrailer& trailer);

// Nothing when the bytes are not a trailer or the payload it describes
// would not fit into a file of fileSize bytes.
std::optional<PayloadTrailer> DecodePayloadTrailer(std::string_view lastBytes,
                                                   std::uint64_t fileSize);

// "ffmpeg-<size>-<hash in hex>"
std::string UnpackFolderName(const PayloadTrailer& trailer);

class Fnv1aHash {
 public:
  void Add(const char* bytes, std::size_t count);
  std::uint64_t Value() const { return value_; }

 private:
  std::uint64_t value_ = 0xcbf29ce484222325ULL;
};

// plug.exe carries libm9s.exe at its end, followed by a four-byte trailer:
// the carried file's size plus four, as a signed 32-bit little-endian
// number. What stands before the carried file is free.
std::string EncodeCarrierTrailer(std::uint32_t carriedSize);

}  // namespace encoder
