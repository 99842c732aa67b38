#pragma once

#include <cstdint>

#include "flate/byte_stream.h"

namespace flate {

// Decodes a raw deflate stream (RFC 1951) from `input` into `output`, which
// receives the data in pieces of 32 KiB and then the rest. Throws
// InvalidDeflateData for malformed data and for input that ends before the
// final block; input after the final block is ignored.
void Inflate(ByteSource& input, ByteSink& output);

// Inflate with a bit buffer of the given width. Inflate itself uses the
// machine word, which is 32 bits in the Windows program; both widths are
// built everywhere so that each can be tested and measured.
template <typename BitBuffer>
void InflateWithBitBuffer(ByteSource& input, ByteSink& output);

extern template void InflateWithBitBuffer<uint32_t>(ByteSource&, ByteSink&);
extern template void InflateWithBitBuffer<uint64_t>(ByteSource&, ByteSink&);

}  // namespace flate
