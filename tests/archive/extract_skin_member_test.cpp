#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archive/extract_skin_member.h"
#include "tests/archive/skin_fixture.h"
#include "tests/flate/byte_compare.h"
#include "tests/flate/sample_data.h"
#include "tests/support/test_folder.h"
#include "tools/skintools/byte_writer.h"

namespace archive_test {
namespace {

using archive::ExtractResult;
using flate_test::MixedTextAndBinary;
using flate_test::SameBytes;
using flate_test::TextLike;
using skintools::ArchiveMember;

// Info-ZIP's zip 3.0 made this archive ("zip -X -P secret") from a container
// holding SKIN2_FORMCOLOR = 0xCBCBCB; its first byte was then changed to 'S'.
// Info-ZIP streams encrypted members, so flag bit 3 is set and the password
// check byte is the high byte of the modification time.
const std::vector<uint8_t> kInfoZipEncrypted = {
    0x53, 0x4B, 0x03, 0x04, 0x14, 0x00, 0x09, 0x00, 0x08, 0x00, 0x85, 0x28, 0x8A, 0x5D, 0x8D, 0xF0,
    0xAF, 0xBC, 0x36, 0x00, 0x00, 0x00, 0xB6, 0x00, 0x00, 0x00, 0x0C, 0x00, 0x00, 0x00, 0x53, 0x4B,
    0x49, 0x4E, 0x44, 0x41, 0x54, 0x41, 0x2E, 0x53, 0x4B, 0x32, 0x40, 0x3A, 0x04, 0x41, 0xC3, 0xCE,
    0xFB, 0xD2, 0xA4, 0xA7, 0x94, 0x2C, 0xEF, 0x36, 0x99, 0x34, 0x18, 0xE2, 0xA2, 0x7E, 0x52, 0x67,
    0x77, 0x50, 0xC9, 0x4D, 0xE2, 0xC3, 0xE5, 0x5A, 0x30, 0x17, 0x14, 0x67, 0xEC, 0x5A, 0x0C, 0x0F,
    0x25, 0x9D, 0xD6, 0xB2, 0x10, 0x57, 0xAB, 0xB7, 0xDC, 0x1D, 0x29, 0x5B, 0x51, 0x81, 0x33, 0x16,
    0x50, 0x4B, 0x07, 0x08, 0x8D, 0xF0, 0xAF, 0xBC, 0x36, 0x00, 0x00, 0x00, 0xB6, 0x00, 0x00, 0x00,
    0x50, 0x4B, 0x01, 0x02, 0x1E, 0x03, 0x14, 0x00, 0x09, 0x00, 0x08, 0x00, 0x85, 0x28, 0x8A, 0x5D,
    0x8D, 0xF0, 0xAF, 0xBC, 0x36, 0x00, 0x00, 0x00, 0xB6, 0x00, 0x00, 0x00, 0x0C, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xA4, 0x81, 0x00, 0x00, 0x00, 0x00, 0x53, 0x4B,
    0x49, 0x4E, 0x44, 0x41, 0x54, 0x41, 0x2E, 0x53, 0x4B, 0x32, 0x50, 0x4B, 0x05, 0x06, 0x00, 0x00,
    0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x3A, 0x00, 0x00, 0x00, 0x70, 0x00, 0x00, 0x00, 0x00, 0x00,
};

std::vector<uint8_t> Container() {
  return skintools::BuildSkinContainer({skintools::IntegerValue("SKIN2_FORMCOLOR", 0xCBCBCB)});
}

ArchiveMember SkinDataMember() {
  ArchiveMember member;
  member.name = "SKINDATA.SK2";
  member.data = Container();
  return member;
}

std::vector<uint8_t> Archive(const ArchiveMember& member) {
  return skintools::BuildSkinArchive({member});
}

std::vector<uint8_t> WithRecordedSize(std::vector<uint8_t> archive, uint32_t size) {
  skintools::StoreLittleEndian32(archive, FirstDirectoryEntry(archive) + 24, size);
  return archive;
}

struct ArchiveCase {
  const char* name;
  std::vector<uint8_t> archive;
  std::string password;
  ExtractResult expected;
};

std::vector<ArchiveCase> ArchiveCases() {
  const uint32_t size = static_cast<uint32_t>(Container().size());
  std::vector<ArchiveCase> cases;
  cases.push_back({"plain member", Archive(SkinDataMember()), "", ExtractResult::kDone});
  cases.push_back(
      {"plain member, password given", Archive(SkinDataMember()), "x", ExtractResult::kDone});
  {
    ArchiveMember member = SkinDataMember();
    member.password = "secret";
    cases.push_back({"encrypted member", Archive(member), "secret", ExtractResult::kDone});
    cases.push_back(
        {"encrypted member, no password", Archive(member), "", ExtractResult::kRefused});
    cases.push_back(
        {"encrypted member, wrong password", Archive(member), "Secret", ExtractResult::kRefused});
    member.dataDescriptor = true;
    cases.push_back(
        {"encrypted member checked by its time", Archive(member), "secret", ExtractResult::kDone});
  }
  cases.push_back({"Info-ZIP encryption", kInfoZipEncrypted, "secret", ExtractResult::kDone});
  cases.push_back({"Info-ZIP encryption, wrong password", kInfoZipEncrypted, "secreT",
                   ExtractResult::kRefused});
  {
    ArchiveMember member = SkinDataMember();
    member.name = "SkinData.sk2";
    cases.push_back({"mixed-case member name", Archive(member), "", ExtractResult::kDone});
  }
  {
    ArchiveMember readme;
    readme.name = "readme.txt";
    readme.data = TextLike(3000, 12);
    readme.extraField = {0x55, 0x54, 0x05, 0x00, 1, 2, 3, 4, 5};
    readme.comment = "not a skin";
    ArchiveMember member = SkinDataMember();
    member.extraField = {0x0A, 0x00, 0x04, 0x00, 9, 9, 9, 9};
    member.comment = "the skin data";
    cases.push_back({"other members, extra fields and comments",
                     skintools::BuildSkinArchive({readme, member}), "", ExtractResult::kDone});
  }
  {
    std::vector<uint8_t> archive = Archive(SkinDataMember());
    archive[0] = 'P';
    cases.push_back({"first bytes still \"PK\"", archive, "", ExtractResult::kUnreadable});
  }
  {
    std::vector<uint8_t> archive = Archive(SkinDataMember());
    archive[archive.size() - 2] = 5;  // comment length
    archive.insert(archive.end(), {'h', 'e', 'l', 'l', 'o'});
    cases.push_back({"archive comment", archive, "", ExtractResult::kUnreadable});
  }
  {
    ArchiveMember member = SkinDataMember();
    member.name = "SKINDATA.SK3";
    cases.push_back({"no skin data member", Archive(member), "", ExtractResult::kUnreadable});
  }
  cases.push_back({"two bytes only", {'S', 'K'}, "", ExtractResult::kUnreadable});
  {
    std::vector<uint8_t> archive = Archive(SkinDataMember());
    skintools::StoreLittleEndian32(archive, archive.size() - 22 + 16, 0x7FFFFFF0);
    cases.push_back({"central directory past the end", archive, "", ExtractResult::kUnreadable});
  }
  {
    std::vector<uint8_t> archive = Archive(SkinDataMember());
    archive[FirstDirectoryEntry(archive) + 28] = 0xFF;  // name length 255
    cases.push_back({"entry name past the directory", archive, "", ExtractResult::kUnreadable});
  }
  cases.push_back({"recorded size too small", WithRecordedSize(Archive(SkinDataMember()), size - 1),
                   "", ExtractResult::kRefused});
  cases.push_back({"recorded size too large", WithRecordedSize(Archive(SkinDataMember()), size + 1),
                   "", ExtractResult::kRefused});
  {
    ArchiveMember member = SkinDataMember();
    member.data.clear();
    cases.push_back(
        {"member that inflates to nothing", Archive(member), "", ExtractResult::kUnreadable});
  }
  {
    std::vector<uint8_t> archive = Archive(SkinDataMember());
    archive[30 + 12] |= 0x06;  // first block type: reserved
    cases.push_back({"deflate data that does not decode", archive, "", ExtractResult::kRefused});
  }
  {
    std::vector<uint8_t> archive = Archive(SkinDataMember());
    skintools::StoreLittleEndian32(archive, FirstDirectoryEntry(archive) + 20, 10);
    cases.push_back({"compressed size cut short", archive, "", ExtractResult::kRefused});
  }
  {
    std::vector<uint8_t> archive = Archive(SkinDataMember());
    skintools::StoreLittleEndian32(archive, FirstDirectoryEntry(archive) + 42, 0x7FFFFFF0);
    cases.push_back({"local header past the end", archive, "", ExtractResult::kRefused});
  }
  return cases;
}

TEST(ExtractSkinMemberTest, ResultsForEachKindOfArchive) {
  for (const ArchiveCase& c : ArchiveCases()) {
    SCOPED_TRACE(c.name);
    test_support::TestFolder folder;
    const std::string archive = folder.Write("skin.ssk", c.archive);
    const std::string target = folder.File("target");
    EXPECT_EQ(archive::ExtractSkinMember(archive, "SKINDATA.SK2", target, c.password), c.expected);
    if (c.expected == ExtractResult::kDone) {
      EXPECT_TRUE(SameBytes(test_support::ReadBytes(target), Container()));
    } else {
      EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"skin.ssk"}) << "target left behind";
    }
  }
}

TEST(ExtractSkinMemberTest, MissingArchiveIsUnreadable) {
  test_support::TestFolder folder;
  EXPECT_EQ(archive::ExtractSkinMember(folder.File("none.ssk"), "SKINDATA.SK2",
                                       folder.File("target"), ""),
            ExtractResult::kUnreadable);
  EXPECT_TRUE(folder.FileNames().empty());
}

// Output larger than one window goes out in several writes; output that
// runs past the recorded size is stopped there and refused.
TEST(ExtractSkinMemberTest, LargeMembers) {
  ArchiveMember member;
  member.name = "SKINDATA.SK2";
  member.data = MixedTextAndBinary(500000, 13);
  member.password = "pw";
  test_support::TestFolder folder;
  const std::string whole = folder.Write("whole.ssk", Archive(member));
  EXPECT_EQ(archive::ExtractSkinMember(whole, "SKINDATA.SK2", folder.File("target"), "pw"),
            ExtractResult::kDone);
  EXPECT_TRUE(SameBytes(test_support::ReadBytes(folder.File("target")), member.data));

  const std::string cut = folder.Write("cut.ssk", WithRecordedSize(Archive(member), 65536));
  EXPECT_EQ(archive::ExtractSkinMember(cut, "SKINDATA.SK2", folder.File("cut"), "pw"),
            ExtractResult::kRefused);
}

}  // namespace
}  // namespace archive_test
