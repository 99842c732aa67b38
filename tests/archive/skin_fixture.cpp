#include "tests/archive/skin_fixture.h"

#include "base/little_endian.h"
#include "skin/skin_container_layout.h"
#include "tests/support/bmp_fixture.h"

namespace archive_test {

std::vector<uint8_t> SkinArchive(const std::vector<uint8_t>& container,
                                 const std::string& password) {
  skintools::ArchiveMember member;
  member.name = "SKINDATA.SK2";
  member.data = container;
  member.password = password;
  return skintools::BuildSkinArchive({member});
}

size_t FirstDirectoryEntry(const std::vector<uint8_t>& archive) {
  return base::ReadLittleEndian32(&archive[archive.size() - 22 + 16]);
}

size_t RecordOffset(size_t index) {
  return skin::container_layout::kHeaderSize + skin::container_layout::kRecordSize * index;
}

std::vector<uint8_t> SolidBmp(int width, int height, uint32_t pixel) {
  return test_support::MakeBmp24(width, height,
                                 std::vector<uint32_t>(static_cast<size_t>(width) * height, pixel));
}

}  // namespace archive_test
