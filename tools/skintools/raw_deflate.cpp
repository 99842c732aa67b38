#include "tools/skintools/raw_deflate.h"

#include <limits>
#include <stdexcept>

#include <zlib.h>

namespace skintools {

std::vector<uint8_t> DeflateRaw(const std::vector<uint8_t>& data, int level, int strategy) {
  if (data.size() > std::numeric_limits<uInt>::max()) {
    throw std::length_error("too much data for one deflate call");
  }
  z_stream stream{};
  if (deflateInit2(&stream, level, Z_DEFLATED, -MAX_WBITS, 8, strategy) != Z_OK) {
    throw std::runtime_error("zlib refused the compression settings");
  }
  std::vector<uint8_t> compressed(deflateBound(&stream, static_cast<uLong>(data.size())));
  stream.next_in = const_cast<Bytef*>(data.data());
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = compressed.data();
  stream.avail_out = static_cast<uInt>(compressed.size());
  const int status = deflate(&stream, Z_FINISH);
  deflateEnd(&stream);
  if (status != Z_STREAM_END) {
    throw std::runtime_error("zlib could not compress the data");
  }
  compressed.resize(stream.total_out);
  return compressed;
}

}  // namespace skintools
