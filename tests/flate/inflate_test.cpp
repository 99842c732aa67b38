#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "flate/deflate_error.h"
#include "flate/inflate.h"
#include "tests/flate/byte_compare.h"
#include "tests/flate/deflate_bit_writer.h"
#include "tests/flate/memory_streams.h"
#include "tests/flate/sample_data.h"
#include "tools/skintools/raw_deflate.h"

namespace flate_test {
namespace {

constexpr uint8_t kCodeLengthOrder[19] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                          11, 4,  12, 3, 13, 2, 14, 1, 15};

template <typename BitBuffer>
std::vector<uint8_t> InflateWith(const std::vector<uint8_t>& stream,
                                 size_t pieceSize = std::numeric_limits<size_t>::max()) {
  MemorySource source(stream, pieceSize);
  VectorSink sink;
  flate::InflateWithBitBuffer<BitBuffer>(source, sink);
  return sink.bytes;
}

// The program's 32-bit build decodes with 32-bit words, the native one with
// 64-bit words; every stream goes through both.
void ExpectInflatesTo(const std::vector<uint8_t>& stream, const std::vector<uint8_t>& expected,
                      size_t pieceSize = std::numeric_limits<size_t>::max()) {
  EXPECT_TRUE(SameBytes(InflateWith<uint64_t>(stream, pieceSize), expected)) << "64-bit words";
  EXPECT_TRUE(SameBytes(InflateWith<uint32_t>(stream, pieceSize), expected)) << "32-bit words";
}

struct Sample {
  const char* name;
  std::vector<uint8_t> data;
};

std::vector<Sample> Samples() {
  return {{"empty", {}},
          {"one byte", {'x'}},
          {"random", RandomBytes(70000, 1)},
          {"text", TextLike(200000, 2)},
          {"zeros", std::vector<uint8_t>(150000, 0)},
          {"period 2", RepeatingPattern(50000, 2)},
          {"period 7", RepeatingPattern(50000, 7)},
          {"mixed text and binary", MixedTextAndBinary(300000, 3)},
          {"skin bitmaps", SkinLikeBitmaps(200000, 4)},
          {"exactly one flush", TextLike(64 * 1024, 5)}};
}

TEST(InflateTest, AgreesWithZlibAtEveryLevelAndStrategy) {
  const int strategies[] = {Z_DEFAULT_STRATEGY, Z_FILTERED, Z_HUFFMAN_ONLY, Z_RLE, Z_FIXED};
  for (const Sample& sample : Samples()) {
    for (int level = 0; level <= 9; ++level) {
      for (int strategy : strategies) {
        SCOPED_TRACE(std::string(sample.name) + ", level " + std::to_string(level) + ", strategy " +
                     std::to_string(strategy));
        ExpectInflatesTo(skintools::DeflateRaw(sample.data, level, strategy), sample.data);
      }
    }
  }
}

TEST(InflateTest, InputInPiecesOfAnySizeDecodesTheSame) {
  const std::vector<uint8_t> data = MixedTextAndBinary(120000, 6);
  for (int strategy : {Z_DEFAULT_STRATEGY, Z_FIXED}) {
    const std::vector<uint8_t> stream = skintools::DeflateRaw(data, 6, strategy);
    for (size_t piece : {1, 3, 8, 17, 4096}) {
      SCOPED_TRACE("pieces of " + std::to_string(piece));
      ExpectInflatesTo(stream, data, piece);
    }
  }
}

void StoredBlock(DeflateBitWriter& out, bool final, const std::vector<uint8_t>& data) {
  out.Bits(final, 1);
  out.Bits(0, 2);  // stored
  out.AlignToByte();
  out.Bits(static_cast<uint32_t>(data.size()), 16);   // LEN
  out.Bits(~static_cast<uint32_t>(data.size()), 16);  // NLEN
  for (uint8_t byte : data) {
    out.Byte(byte);
  }
}

void FixedBlockStart(DeflateBitWriter& out, bool final) {
  out.Bits(final, 1);
  out.Bits(1, 2);  // fixed codes
}

// The start of a final dynamic block: its three counts as stored, so
// HLIT = 257 + hlit, HDIST = 1 + hdist, HCLEN = 4 + hclen.
void DynamicBlockCounts(DeflateBitWriter& out, bool final, unsigned hlit, unsigned hdist,
                        unsigned hclen) {
  out.Bits(final, 1);
  out.Bits(2, 2);  // dynamic codes
  out.Bits(hlit, 5);
  out.Bits(hdist, 5);
  out.Bits(hclen, 4);
}

// A dynamic block header sending each code length on its own, with a
// code-length code in which lengths 0-15 all have 4-bit codes, the code of
// length n being n itself.
void DynamicBlockStart(DeflateBitWriter& out, bool final, const std::vector<uint8_t>& literals,
                       const std::vector<uint8_t>& distances) {
  out.Bits(final, 1);
  out.Bits(2, 2);                                             // dynamic codes
  out.Bits(static_cast<uint32_t>(literals.size() - 257), 5);  // HLIT
  out.Bits(static_cast<uint32_t>(distances.size() - 1), 5);   // HDIST
  out.Bits(19 - 4, 4);                                        // HCLEN: all 19
  for (uint8_t symbol : kCodeLengthOrder) {
    out.Bits(symbol < 16 ? 4 : 0, 3);
  }
  for (uint8_t length : literals) {
    out.Code(length, 4);
  }
  for (uint8_t length : distances) {
    out.Code(length, 4);
  }
}

// Literal/length code lengths, all 0 but the given ones, for at least the
// 257 symbols a dynamic block sends.
std::vector<uint8_t> LiteralLengths(std::initializer_list<std::pair<int, uint8_t>> codes) {
  std::vector<uint8_t> lengths(257, 0);
  for (const auto& [symbol, length] : codes) {
    lengths.resize(std::max<size_t>(lengths.size(), symbol + 1), 0);
    lengths[symbol] = length;
  }
  return lengths;
}

std::vector<uint8_t> Repeated(uint8_t byte, size_t count) {
  return std::vector<uint8_t>(count, byte);
}

struct ValidCase {
  const char* name;
  std::vector<uint8_t> stream;
  std::vector<uint8_t> expected;
};

std::vector<ValidCase> ValidCases() {
  std::vector<ValidCase> cases;
  {
    DeflateBitWriter out;
    StoredBlock(out, true, {});
    cases.push_back({"final stored block of 0 bytes", out.Finish(), {}});
  }
  {
    DeflateBitWriter out;
    StoredBlock(out, false, {});
    FixedBlockStart(out, true);
    out.FixedSymbol('a');
    out.FixedSymbol(256);  // end of block
    cases.push_back({"stored block of 0 bytes, then more", out.Finish(), {'a'}});
  }
  {
    const std::vector<uint8_t> first = RandomBytes(20000, 7);
    const std::vector<uint8_t> second = RandomBytes(65535, 8);
    DeflateBitWriter out;
    StoredBlock(out, false, first);
    StoredBlock(out, true, second);
    std::vector<uint8_t> expected = first;
    expected.insert(expected.end(), second.begin(), second.end());
    cases.push_back({"stored blocks longer than 16 KiB", out.Finish(), expected});
  }
  {
    DeflateBitWriter out;
    FixedBlockStart(out, true);
    out.FixedSymbol('x');
    out.FixedSymbol(285);  // length 258
    out.FixedDistance(0);  // distance 1
    out.FixedSymbol(256);
    cases.push_back({"distance 1, length 258", out.Finish(), Repeated('x', 259)});
  }
  {
    const std::vector<uint8_t> history = RandomBytes(40000, 9);
    DeflateBitWriter out;
    StoredBlock(out, false, history);
    FixedBlockStart(out, true);
    out.FixedSymbol(257);   // length 3
    out.FixedDistance(29);  // distance 24577 + extra
    out.Bits(32768 - 24577, 13);
    out.FixedSymbol(256);
    std::vector<uint8_t> expected = history;
    expected.insert(expected.end(), history.end() - 32768, history.end() - 32768 + 3);
    cases.push_back({"distance 32768 across a window flush", out.Finish(), expected});
  }
  {
    DeflateBitWriter out;
    // 'A' 0, 'B' 10, end of block 11; one distance code of 1 bit.
    DynamicBlockStart(out, true, LiteralLengths({{'A', 1}, {'B', 2}, {256, 2}}), {1});
    out.Code(0b0, 1);
    out.Code(0b10, 2);
    out.Code(0b0, 1);
    out.Code(0b11, 2);
    cases.push_back({"dynamic block with one distance code", out.Finish(), {'A', 'B', 'A'}});
  }
  {
    DeflateBitWriter out;
    FixedBlockStart(out, true);
    out.FixedSymbol('a');
    out.FixedSymbol(256);
    std::vector<uint8_t> stream = out.Finish();
    stream.insert(stream.end(), {0xFF, 0xFF, 0xFF});
    cases.push_back({"bytes after the final block", stream, {'a'}});
  }
  return cases;
}

TEST(InflateTest, DecodesHandBuiltEdgeCases) {
  for (const ValidCase& c : ValidCases()) {
    SCOPED_TRACE(c.name);
    ExpectInflatesTo(c.stream, c.expected);
  }
}

struct InvalidCase {
  const char* name;
  std::vector<uint8_t> stream;
};

std::vector<InvalidCase> InvalidCases() {
  std::vector<InvalidCase> cases;
  cases.push_back({"no input at all", {}});
  {
    DeflateBitWriter out;
    out.Bits(1, 1);  // final
    out.Bits(3, 2);  // reserved block type
    cases.push_back({"reserved block type", out.Finish()});
  }
  {
    DeflateBitWriter out;
    out.Bits(1, 1);
    out.Bits(0, 2);
    out.AlignToByte();
    out.Bits(5, 16);  // LEN
    out.Bits(5, 16);  // NLEN, not the complement
    cases.push_back({"stored length without its complement", out.Finish()});
  }
  {
    DeflateBitWriter out;
    StoredBlock(out, true, {1, 2, 3});
    std::vector<uint8_t> stream = out.Finish();
    stream.pop_back();
    cases.push_back({"stored block cut short", stream});
  }
  {
    DeflateBitWriter out;
    StoredBlock(out, false, {1, 2});
    cases.push_back({"input ends before the final block", out.Finish()});
  }
  {
    DeflateBitWriter out;
    FixedBlockStart(out, true);
    out.FixedSymbol('a');  // 11 bits so far; the 5 padding bits are too few for a code
    cases.push_back({"input ends inside a Huffman block", out.Finish()});
  }
  {
    DeflateBitWriter out;
    DynamicBlockCounts(out, true, 30, 0, 0);  // HLIT: 287 codes
    cases.push_back({"HLIT above 286", out.Finish()});
  }
  {
    DeflateBitWriter out;
    DynamicBlockCounts(out, true, 0, 30, 0);  // HDIST: 31 codes
    cases.push_back({"HDIST above 30", out.Finish()});
  }
  {
    DeflateBitWriter out;
    DynamicBlockCounts(out, true, 0, 0, 0);  // lengths of 16, 17, 18 and 0 follow
    for (int i = 0; i < 4; ++i) {
      out.Bits(1, 3);  // four codes of 1 bit
    }
    cases.push_back({"over-subscribed code-length code", out.Finish()});
  }
  {
    DeflateBitWriter out;
    DynamicBlockCounts(out, true, 0, 0, 0);  // lengths of 16, 17, 18 and 0 follow
    out.Bits(1, 3);                          // 16: code 1
    out.Bits(0, 3);
    out.Bits(0, 3);
    out.Bits(1, 3);  // 0: code 0
    out.Code(1, 1);  // 16 first: repeat the previous length
    out.Bits(0, 2);
    cases.push_back({"repeat with no previous length", out.Finish()});
  }
  {
    DeflateBitWriter out;
    DynamicBlockCounts(out, true, 0, 0, 0);  // 257 + 1 = 258 lengths in all
    out.Bits(0, 3);                          // 16
    out.Bits(0, 3);                          // 17
    out.Bits(1, 3);                          // 18: code 1
    out.Bits(1, 3);                          // 0: code 0
    out.Code(1, 1);                          // 138 zeros
    out.Bits(127, 7);
    out.Code(1, 1);  // 138 more: 276
    out.Bits(127, 7);
    cases.push_back({"code lengths run past HLIT + HDIST", out.Finish()});
  }
  {
    DeflateBitWriter out;
    DynamicBlockStart(out, true, LiteralLengths({{'A', 1}, {'B', 1}, {256, 1}}), {1});
    cases.push_back({"over-subscribed literal/length code", out.Finish()});
  }
  {
    DeflateBitWriter out;
    DynamicBlockStart(out, true, LiteralLengths({{'A', 1}, {256, 2}}), {1});
    out.Code(0b11, 2);  // no symbol has this code
    cases.push_back({"code in an empty table slot", out.Finish()});
  }
  {
    DeflateBitWriter out;
    DynamicBlockStart(out, true, LiteralLengths({{'A', 1}, {256, 2}, {257, 2}}), {0});
    out.Code(0b0, 1);
    out.Code(0b11, 2);  // length 3, but the distance code is empty
    out.Bits(0, 8);
    cases.push_back({"match with no distance code", out.Finish()});
  }
  {
    DeflateBitWriter out;
    FixedBlockStart(out, true);
    out.FixedSymbol('a');
    out.FixedSymbol(257);
    out.FixedDistance(1);  // distance 2, one byte written
    out.FixedSymbol(256);
    cases.push_back({"distance before the start of the output", out.Finish()});
  }
  {
    DeflateBitWriter out;
    FixedBlockStart(out, true);
    out.FixedSymbol(257);
    out.FixedDistance(0);  // distance 1, nothing written
    out.FixedSymbol(256);
    cases.push_back({"match into an empty output", out.Finish()});
  }
  {
    DeflateBitWriter out;
    FixedBlockStart(out, true);
    out.FixedSymbol(286);
    out.FixedSymbol(256);
    cases.push_back({"fixed length symbol 286", out.Finish()});
  }
  {
    DeflateBitWriter out;
    FixedBlockStart(out, true);
    for (int i = 0; i < 3; ++i) {
      out.FixedSymbol('a');
    }
    out.FixedSymbol(257);
    out.FixedDistance(30);
    out.FixedSymbol(256);
    cases.push_back({"fixed distance symbol 30", out.Finish()});
  }
  return cases;
}

// zlib's verdict on a whole raw deflate stream: true only when it decodes
// the stream to its end.
bool ZlibDecodes(const std::vector<uint8_t>& stream) {
  z_stream z{};
  EXPECT_EQ(inflateInit2(&z, -15), Z_OK);
  z.next_in = const_cast<Bytef*>(stream.data());
  z.avail_in = static_cast<uInt>(stream.size());
  std::vector<uint8_t> out(1 << 16);
  int result;
  do {
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    result = inflate(&z, Z_NO_FLUSH);
  } while (result == Z_OK);
  inflateEnd(&z);
  return result == Z_STREAM_END;
}

// Each case is proven invalid by zlib refusing it too.
TEST(InflateTest, RejectsInvalidStreams) {
  ASSERT_TRUE(ZlibDecodes(skintools::DeflateRaw(TextLike(100, 1), 9, Z_DEFAULT_STRATEGY)));
  for (const InvalidCase& c : InvalidCases()) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(ZlibDecodes(c.stream)) << "zlib decodes it: the case is not invalid";
    EXPECT_THROW(InflateWith<uint64_t>(c.stream), flate::InvalidDeflateData);
    EXPECT_THROW(InflateWith<uint32_t>(c.stream), flate::InvalidDeflateData);
  }
}

// Fast and careful paths meet wherever the input runs short; a stream cut
// anywhere must fail cleanly, never read past its end.
TEST(InflateTest, RejectsEveryTruncation) {
  const std::vector<uint8_t> stream =
      skintools::DeflateRaw(TextLike(3000, 10), 9, Z_DEFAULT_STRATEGY);
  for (size_t size = 0; size < stream.size(); ++size) {
    SCOPED_TRACE("cut to " + std::to_string(size) + " bytes");
    const std::vector<uint8_t> cut(stream.begin(), stream.begin() + size);
    EXPECT_THROW(InflateWith<uint64_t>(cut), flate::InvalidDeflateData);
    EXPECT_THROW(InflateWith<uint32_t>(cut), flate::InvalidDeflateData);
  }
}

}  // namespace
}  // namespace flate_test
