#include "flate/inflate.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <type_traits>
#include <vector>

#include "base/little_endian.h"
#include "flate/deflate_error.h"
#include "flate/deflate_symbols.h"
#include "flate/huffman_tree.h"

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "The bit reader loads input words in little-endian order."
#endif

namespace flate {

namespace {

using namespace huffman_entry;

constexpr size_t kInputBlockSize = 16 * 1024;

// Output collects in a window. Once it holds kFlushMark bytes, the oldest
// kHistorySize are written out and the rest moves down, so every distance
// a match may use (at most 32 KiB) stays inside it. Behind the mark there
// is room for one more match and for the overshoot of chunked copies.
constexpr size_t kHistorySize = 32 * 1024;
constexpr size_t kFlushMark = 64 * 1024;
constexpr unsigned kMaxMatchLength = 258;
constexpr size_t kWordSize = 8;  // match copies move words even in a 32-bit build
constexpr size_t kCopyOvershoot = 2 * kWordSize - 1;
constexpr size_t kWindowSize = kFlushMark + kMaxMatchLength + kCopyOvershoot;

constexpr unsigned kLiteralLengthMainBits = 11;
constexpr unsigned kDistanceMainBits = 8;
constexpr unsigned kCodeLengthMainBits = 7;

constexpr unsigned kMaxLiteralLengthBits = 15 + 5;  // longest code and extra bits
constexpr unsigned kMaxDistanceBits = 15 + 13;

constexpr uint8_t kCodeLengthOrder[19] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                          11, 4,  12, 3, 13, 2, 14, 1, 15};

constexpr unsigned ExtraBits(uint32_t entry) {
  return TotalBits(entry) - CodeLength(entry);
}

THuffmanTree BuildFixedTree(unsigned mainBits, const std::vector<uint8_t>& lengths,
                            const uint32_t* symbols) {
  THuffmanTree tree(mainBits);
  tree.Build(lengths.data(), lengths.size(), symbols);
  return tree;
}

const THuffmanTree& FixedLiteralLengthTree() {
  static const THuffmanTree tree = [] {
    std::vector<uint8_t> lengths(288, 8);
    std::fill(lengths.begin() + 144, lengths.begin() + 256, 9);
    std::fill(lengths.begin() + 256, lengths.begin() + 280, 7);
    return BuildFixedTree(kLiteralLengthMainBits, lengths, kLiteralLengthSymbols.data());
  }();
  return tree;
}

const THuffmanTree& FixedDistanceTree() {
  static const THuffmanTree tree =
      BuildFixedTree(kDistanceMainBits, std::vector<uint8_t>(32, 5), kDistanceSymbols.data());
  return tree;
}

template <typename Word>
Word LoadWord(const uint8_t* bytes) {
  Word word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

// Copies [from, from + (end - out)) to out in whole chunks; each chunk read
// lies wholly before the write position when from <= out - kChunkSize.
template <size_t kChunkSize>
inline void CopyChunks(uint8_t* out, const uint8_t* from, const uint8_t* end) {
  do {
    std::memcpy(out, from, kChunkSize);
    out += kChunkSize;
    from += kChunkSize;
  } while (out < end);
}

// Copies a match that starts `distance` bytes back. May write up to
// kCopyOvershoot bytes past its end, which the window's slack absorbs and
// the next output overwrites.
inline void CopyMatch(uint8_t* out, size_t distance, unsigned length) {
  uint8_t* const end = out + length;
  if (distance >= 2 * kWordSize) {
    CopyChunks<2 * kWordSize>(out, out - distance, end);
    return;
  }
  if (distance >= kWordSize) {
    CopyChunks<kWordSize>(out, out - distance, end);
    return;
  }
  // A short match repeats its first `distance` bytes, so the word that
  // starts it also starts every place a whole number of periods further on:
  // one word, built once, is stored at that stride, and nothing is loaded
  // back from bytes just stored.
  uint8_t pattern[kWordSize];
  std::memcpy(pattern, out - distance, distance);
  for (size_t i = distance; i < kWordSize; ++i) {
    pattern[i] = pattern[i - distance];
  }
  const size_t stride = kWordSize - kWordSize % distance;
  for (; out < end; out += stride) {
    std::memcpy(out, pattern, kWordSize);
  }
}

// The input side: `bits` holds the next `count` stream bits, first bit
// lowest, taken from the bytes before `next`. Above `count` it may also hold
// low bits of the byte at `next`, because a word refill loads more than it
// counts; the next refill ORs the very same bits in again, so they do no
// harm, and a switch to whole bytes clears them.
template <typename BitBuffer>
struct BitReader {
  static constexpr unsigned kBufferBits = sizeof(BitBuffer) * 8;
  // What a word refill leaves at least: 56 bits, or 24 with 32-bit words.
  static constexpr unsigned kRefilledBits = kBufferBits - 8;

  BitBuffer bits = 0;
  unsigned count = 0;
  const uint8_t* next = nullptr;
  const uint8_t* end = nullptr;

  // Needs sizeof(BitBuffer) readable bytes at `next`.
  void RefillWord() {
    bits |= LoadWord<BitBuffer>(next) << count;
    next += (kBufferBits - 1 - count) / 8;
    count |= kRefilledBits;
  }

  void Consume(unsigned n) {
    bits >>= n;
    count -= n;
  }

  unsigned Take(unsigned n) {
    const unsigned value = static_cast<unsigned>(bits & ((BitBuffer{1} << n) - 1));
    Consume(n);
    return value;
  }

  // Consumes a symbol's code and extra bits; returns the extra bits' value.
  unsigned TakeSymbol(uint32_t entry) {
    const unsigned total = TotalBits(entry);
    const BitBuffer symbolBits = bits & ((BitBuffer{1} << total) - 1);
    Consume(total);
    return static_cast<unsigned>(symbolBits >> CodeLength(entry));
  }
};

template <typename BitBuffer>
class InflateDecoder {
 public:
  InflateDecoder(ByteSource& input, ByteSink& output)
      : input_(input), output_(output), inputBlock_(kInputBlockSize), window_(kWindowSize) {
    reader_.next = reader_.end = inputBlock_.data();
    out_ = window_.data();
  }

  void Run() {
    bool finalBlock = false;
    while (!finalBlock) {
      finalBlock = ReadBits(1) != 0;
      switch (ReadBits(2)) {
        case 0:
          CopyStoredBlock();
          break;
        case 1:
          DecodeHuffmanBlock(FixedLiteralLengthTree(), FixedDistanceTree());
          break;
        case 2:
          ReadDynamicTrees();
          DecodeHuffmanBlock(literalTree_, distanceTree_);
          break;
        default:
          FailInvalidDeflateData();
      }
    }
    output_.Write(window_.data(), out_ - window_.data());
  }

 private:
  using Reader = BitReader<BitBuffer>;

  // A whole symbol may need three word refills with 32-bit words.
  static constexpr ptrdiff_t kFastInputBytes = 3 * sizeof(BitBuffer);

  // Literals decoded from one refill: each lookup needs the bits of a
  // longest code, and a lookup that finds a length, those of a length code
  // and its extra bits.
  static constexpr unsigned kLiteralsPerRefill =
      (Reader::kRefilledBits - kMaxLiteralLengthBits) / THuffmanTree::kMaxCodeLength + 1;

  ptrdiff_t InputLeft() const { return reader_.end - reader_.next; }

  // Moves the unread bytes to the front of the block and reads more behind
  // them; false once the source has nothing more.
  bool ReadMoreInput() {
    if (inputEnded_) {
      return false;
    }
    const size_t unread = InputLeft();
    std::memmove(inputBlock_.data(), reader_.next, unread);
    const size_t read = input_.Read(inputBlock_.data() + unread, kInputBlockSize - unread);
    reader_.next = inputBlock_.data();
    reader_.end = reader_.next + unread + read;
    inputEnded_ = read == 0;
    return read > 0;
  }

  // Brings the bit count up to `wanted`, or as near as the input allows.
  void FillBits(unsigned wanted) {
    while (reader_.count < wanted && reader_.count < Reader::kBufferBits - 8) {
      if (reader_.next == reader_.end && !ReadMoreInput()) {
        return;
      }
      reader_.bits |= static_cast<BitBuffer>(*reader_.next++) << reader_.count;
      reader_.count += 8;
    }
  }

  unsigned ReadBits(unsigned n) {
    FillBits(n);
    if (reader_.count < n) {
      FailInvalidDeflateData();
    }
    return reader_.Take(n);
  }

  // Decodes one code of `tree` with every bound checked and consumes it;
  // the extra bits are left to the caller.
  uint32_t DecodeCodeChecked(const THuffmanTree& tree) {
    FillBits(THuffmanTree::kMaxCodeLength);
    const uint32_t entry = tree.Lookup(reader_.bits);
    if ((entry & kInvalid) || CodeLength(entry) > reader_.count) {
      FailInvalidDeflateData();
    }
    reader_.Consume(CodeLength(entry));
    return entry;
  }

  // Reads whole bytes once the reader stands on a byte boundary: first the
  // ones already in the bit buffer, then straight from the input block.
  void ReadAlignedBytes(uint8_t* destination, size_t size) {
    for (; size > 0 && reader_.count >= 8; --size) {
      *destination++ = static_cast<uint8_t>(reader_.bits);
      reader_.Consume(8);
    }
    if (reader_.count == 0) {
      reader_.bits = 0;
    }
    while (size > 0) {
      if (reader_.next == reader_.end && !ReadMoreInput()) {
        FailInvalidDeflateData();
      }
      const size_t piece = std::min<size_t>(size, InputLeft());
      std::memcpy(destination, reader_.next, piece);
      reader_.next += piece;
      destination += piece;
      size -= piece;
    }
  }

  void FlushWindowIfFull() {
    uint8_t* const window = window_.data();
    if (out_ - window < static_cast<ptrdiff_t>(kFlushMark)) {
      return;
    }
    output_.Write(window, kHistorySize);
    std::memmove(window, window + kHistorySize, out_ - window - kHistorySize);
    out_ -= kHistorySize;
  }

  void CopyStoredBlock() {
    reader_.Consume(reader_.count % 8);
    uint8_t header[4];
    ReadAlignedBytes(header, sizeof header);
    const uint16_t length = base::ReadLittleEndian16(header);
    if (base::ReadLittleEndian16(header + 2) != static_cast<uint16_t>(~length)) {
      FailInvalidDeflateData();
    }
    for (size_t left = length; left > 0;) {
      FlushWindowIfFull();
      const size_t piece = std::min<size_t>(left, window_.data() + kFlushMark - out_);
      ReadAlignedBytes(out_, piece);
      out_ += piece;
      left -= piece;
    }
  }

  void ReadDynamicTrees() {
    const unsigned literalCount = ReadBits(5) + 257;
    const unsigned distanceCount = ReadBits(5) + 1;
    const unsigned codeLengthCount = ReadBits(4) + 4;
    if (literalCount > 286 || distanceCount > 30) {
      FailInvalidDeflateData();
    }
    std::array<uint8_t, 19> codeLengthLengths{};
    for (unsigned i = 0; i < codeLengthCount; ++i) {
      codeLengthLengths[kCodeLengthOrder[i]] = static_cast<uint8_t>(ReadBits(3));
    }
    codeLengthTree_.Build(codeLengthLengths.data(), codeLengthLengths.size(),
                          kCodeLengthSymbols.data());

    std::array<uint8_t, 286 + 30> lengths;
    const unsigned total = literalCount + distanceCount;
    for (unsigned n = 0; n < total;) {
      const unsigned symbol = Value(DecodeCodeChecked(codeLengthTree_));
      if (symbol < 16) {
        lengths[n++] = static_cast<uint8_t>(symbol);
        continue;
      }
      uint8_t repeated = 0;
      unsigned repeat = 0;
      if (symbol == 16) {
        if (n == 0) {
          FailInvalidDeflateData();
        }
        repeated = lengths[n - 1];
        repeat = 3 + ReadBits(2);
      } else if (symbol == 17) {
        repeat = 3 + ReadBits(3);
      } else {
        repeat = 11 + ReadBits(7);
      }
      if (repeat > total - n) {
        FailInvalidDeflateData();
      }
      std::fill_n(lengths.begin() + n, repeat, repeated);
      n += repeat;
    }
    literalTree_.Build(lengths.data(), literalCount, kLiteralLengthSymbols.data());
    distanceTree_.Build(lengths.data() + literalCount, distanceCount, kDistanceSymbols.data());
  }

  void DecodeHuffmanBlock(const THuffmanTree& literals, const THuffmanTree& distances) {
    for (;;) {
      FlushWindowIfFull();
      while (InputLeft() < kFastInputBytes && ReadMoreInput()) {
      }
      const bool blockEnded = InputLeft() >= kFastInputBytes
                                  ? DecodeFast(literals, distances)
                                  : DecodeSymbolChecked(literals, distances);
      if (blockEnded) {
        return;
      }
    }
  }

  // Decodes symbols until the end of the block (true) or until the input or
  // the window runs short (false).
  //
  // Entry assumptions, which the loop condition keeps: at least
  // kFastInputBytes of input remain, enough for every word refill a symbol
  // needs; the write position is below the flush mark, so a literal, or a
  // match of up to 258 bytes plus the overshoot of a chunked copy, fits in the
  // window. Nothing else in the loop checks bounds. The reader and the
  // write position are held in locals so they can live in registers.
  bool DecodeFast(const THuffmanTree& literals, const THuffmanTree& distances) {
    Reader in = reader_;
    uint8_t* out = out_;
    const uint8_t* const window = window_.data();
    const uint8_t* const outLimit = window + kFlushMark;
    const uint32_t* const literalEntries = literals.Entries();
    const uint32_t* const distanceEntries = distances.Entries();
    bool blockEnded = false;

    while (in.end - in.next >= kFastInputBytes && out < outLimit) {
      in.RefillWord();
      uint32_t entry = LookupHuffmanEntry(literalEntries, kLiteralLengthMainBits, in.bits);
      if (entry & kLiteral) {
        unsigned literalCount = 0;
        do {
          in.Consume(CodeLength(entry));
          *out++ = static_cast<uint8_t>(Value(entry));
          if (++literalCount == kLiteralsPerRefill) {
            break;
          }
          entry = LookupHuffmanEntry(literalEntries, kLiteralLengthMainBits, in.bits);
        } while (entry & kLiteral);
        if (literalCount == kLiteralsPerRefill) {
          continue;
        }
      }
      if (entry & (kEndOfBlock | kInvalid)) {
        if (entry & kInvalid) {
          FailInvalidDeflateData();
        }
        in.Consume(CodeLength(entry));
        blockEnded = true;
        break;
      }
      const unsigned length = Value(entry) + in.TakeSymbol(entry);

      if (Reader::kRefilledBits < kMaxLiteralLengthBits + kMaxDistanceBits ||
          in.count < kMaxDistanceBits) {
        in.RefillWord();
      }
      const uint32_t distanceEntry =
          LookupHuffmanEntry(distanceEntries, kDistanceMainBits, in.bits);
      if (distanceEntry & kInvalid) {
        FailInvalidDeflateData();
      }
      size_t distance = Value(distanceEntry);
      if constexpr (Reader::kRefilledBits < kMaxDistanceBits) {
        in.Consume(CodeLength(distanceEntry));
        in.RefillWord();
        distance += in.Take(ExtraBits(distanceEntry));
      } else {
        distance += in.TakeSymbol(distanceEntry);
      }
      if (distance > static_cast<size_t>(out - window)) {
        FailInvalidDeflateData();
      }
      CopyMatch(out, distance, length);
      out += length;
    }
    reader_ = in;
    out_ = out;
    return blockEnded;
  }

  // One symbol near the end of the input, with every bound checked. The
  // caller has flushed the window, so a match fits behind the mark.
  bool DecodeSymbolChecked(const THuffmanTree& literals, const THuffmanTree& distances) {
    const uint32_t entry = DecodeCodeChecked(literals);
    if (entry & kLiteral) {
      *out_++ = static_cast<uint8_t>(Value(entry));
      return false;
    }
    if (entry & kEndOfBlock) {
      return true;
    }
    const unsigned length = Value(entry) + ReadBits(ExtraBits(entry));
    const uint32_t distanceEntry = DecodeCodeChecked(distances);
    const size_t distance = Value(distanceEntry) + ReadBits(ExtraBits(distanceEntry));
    if (distance > static_cast<size_t>(out_ - window_.data())) {
      FailInvalidDeflateData();
    }
    CopyMatch(out_, distance, length);
    out_ += length;
    return false;
  }

  ByteSource& input_;
  ByteSink& output_;
  std::vector<uint8_t> inputBlock_;
  bool inputEnded_ = false;
  Reader reader_;
  std::vector<uint8_t> window_;
  uint8_t* out_;
  THuffmanTree codeLengthTree_{kCodeLengthMainBits};
  THuffmanTree literalTree_{kLiteralLengthMainBits};
  THuffmanTree distanceTree_{kDistanceMainBits};
};

}  // namespace

template <typename BitBuffer>
void InflateWithBitBuffer(ByteSource& input, ByteSink& output) {
  InflateDecoder<BitBuffer>(input, output).Run();
}

template void InflateWithBitBuffer<uint32_t>(ByteSource&, ByteSink&);
template void InflateWithBitBuffer<uint64_t>(ByteSource&, ByteSink&);

// Tried and measured against zlib (inflate_benchmark, 64-bit build), kept
// out because they were no faster:
// - A 288 KiB window flushing 256 KiB at a time, to move history less
//   often: 1.24 times zlib's speed on skin bitmaps against 1.48 with 64 KiB,
//   which stays in the faster caches.
// - Main tables of 9 and 7 bits: slower on bitmaps (1.37 against 1.48);
//   10 and 8 bits or 12 bits for literals: no measurable difference.
// Kept because they were faster: several literals per refill (mixed data
// 1.30 to 1.39), 16-byte chunks for distances of 16 or more (bitmaps 1.48 to
// 1.72), and for distances below 8 a stored pattern word instead of words
// loaded from just-written bytes, which stall store forwarding (bitmaps
// 0.83 to 1.44 on a flatter first data set).

void Inflate(ByteSource& input, ByteSink& output) {
  using MachineWord = std::conditional_t<sizeof(void*) == 8, uint64_t, uint32_t>;
  InflateWithBitBuffer<MachineWord>(input, output);
}

}  // namespace flate
