#pragma once

#include <cstdint>
#include <vector>

namespace flate_test {

// Writes deflate streams by hand, bit by bit, for streams no compressor
// makes: invalid ones and exact edge cases.
class DeflateBitWriter {
 public:
  // `count` bits of `value`, lowest first, as deflate packs header fields.
  void Bits(uint32_t value, unsigned count) {
    for (unsigned i = 0; i < count; ++i) {
      Bit((value >> i) & 1);
    }
  }

  // A Huffman code, most significant bit first.
  void Code(uint32_t code, unsigned length) {
    for (unsigned i = length; i-- > 0;) {
      Bit((code >> i) & 1);
    }
  }

  // A literal/length symbol of the fixed code (RFC 1951 3.2.6).
  void FixedSymbol(unsigned symbol) {
    if (symbol < 144) {
      Code(0x30 + symbol, 8);
    } else if (symbol < 256) {
      Code(0x190 + symbol - 144, 9);
    } else if (symbol < 280) {
      Code(symbol - 256, 7);
    } else {
      Code(0xC0 + symbol - 280, 8);
    }
  }

  void FixedDistance(unsigned symbol) { Code(symbol, 5); }

  void AlignToByte() {
    while (bitCount_ % 8 != 0) {
      Bit(0);
    }
  }

  void Byte(uint8_t byte) { Bits(byte, 8); }

  std::vector<uint8_t> Finish() {
    AlignToByte();
    return bytes_;
  }

 private:
  void Bit(unsigned bit) {
    if (bitCount_ % 8 == 0) {
      bytes_.push_back(0);
    }
    bytes_.back() |= static_cast<uint8_t>(bit << (bitCount_ % 8));
    ++bitCount_;
  }

  std::vector<uint8_t> bytes_;
  size_t bitCount_ = 0;
};

}  // namespace flate_test
