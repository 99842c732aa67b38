#include "archive/pkware_cipher.h"

#include "flate/crc32.h"

namespace archive {

PkwareCipher::PkwareCipher(std::string_view password) {
  for (char c : password) {
    UpdateKeys(static_cast<uint8_t>(c));
  }
}

uint8_t PkwareCipher::Decrypt(uint8_t cipherByte) {
  const uint8_t plain = cipherByte ^ KeyByte();
  UpdateKeys(plain);
  return plain;
}

uint8_t PkwareCipher::Encrypt(uint8_t plainByte) {
  const uint8_t cipher = plainByte ^ KeyByte();
  UpdateKeys(plainByte);
  return cipher;
}

void PkwareCipher::DecryptInPlace(uint8_t* data, size_t size) {
  for (size_t i = 0; i < size; ++i) {
    data[i] = Decrypt(data[i]);
  }
}

uint8_t PkwareCipher::KeyByte() const {
  const uint32_t t = (key2_ & 0xFFFF) | 2;
  return static_cast<uint8_t>((t * (t ^ 1)) >> 8);
}

void PkwareCipher::UpdateKeys(uint8_t plainByte) {
  key0_ = flate::Crc32Step(key0_, plainByte);
  key1_ = (key1_ + (key0_ & 0xFF)) * 134775813u + 1;
  key2_ = flate::Crc32Step(key2_, static_cast<uint8_t>(key1_ >> 24));
}

}  // namespace archive
