#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace archive {

// The traditional PKWARE encryption of ZIP members: three 32-bit keys,
// seeded from the password and advanced by every plain byte, give one key
// byte per data byte. An encrypted member starts with a 12-byte header whose
// last plain byte lets a reader refuse a wrong password early.
class PkwareCipher {
 public:
  static constexpr size_t kHeaderSize = 12;

  explicit PkwareCipher(std::string_view password);

  uint8_t Decrypt(uint8_t cipherByte);
  uint8_t Encrypt(uint8_t plainByte);
  void DecryptInPlace(uint8_t* data, size_t size);

 private:
  uint8_t KeyByte() const;
  void UpdateKeys(uint8_t plainByte);

  uint32_t key0_ = 0x12345678;
  uint32_t key1_ = 0x23456789;
  uint32_t key2_ = 0x34567890;
};

}  // namespace archive
