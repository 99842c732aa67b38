#include "base/std_temp_name_source.h"

#include <cstdio>
#include <filesystem>

namespace base {

StdTempNameSource::StdTempNameSource() : random_(std::random_device{}()) {}

std::string StdTempNameSource::TempFolder() {
  return std::filesystem::temp_directory_path().string();
}

std::string StdTempNameSource::NewGuidText() {
  uint64_t high = random_();
  uint64_t low = random_();
  high = (high & ~0xF000ull) | 0x4000ull;            // version 4
  low = (low & ~(0xC0ull << 56)) | (0x80ull << 56);  // RFC 4122 variant
  char text[39];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%04X-%012llX}",
                static_cast<unsigned>(high >> 32), static_cast<unsigned>((high >> 16) & 0xFFFF),
                static_cast<unsigned>(high & 0xFFFF), static_cast<unsigned>(low >> 48),
                static_cast<unsigned long long>(low & 0xFFFFFFFFFFFFull));
  return text;
}

}  // namespace base
