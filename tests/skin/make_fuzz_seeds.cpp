// Writes the seed corpus of the skin reader fuzzer into the folder named on
// the command line: small skins of every kind of value, picture format and
// archive layout the reader knows.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "tests/archive/skin_fixture.h"
#include "tests/support/bmp_fixture.h"
#include "tools/skintools/skin_archive_writer.h"
#include "tools/skintools/skin_container_writer.h"

namespace {

using skintools::ArchiveMember;
using test_support::BmpSpec;
using test_support::MakeBmp;

BmpSpec Spec(int width, int height, uint16_t bits, uint32_t compression,
             std::vector<uint8_t> pixelData) {
  BmpSpec spec = test_support::MakeSpec(width, height, bits, std::move(pixelData), compression);
  if (bits <= 8) {
    spec.palette = {0x000000, 0xFF00FF, 0x336699, 0xFFFFFF};
  }
  if (compression == 3) {
    spec.masks = {0xF800, 0x07E0, 0x001F};
  }
  return spec;
}

std::vector<uint8_t> EveryKind() {
  return skintools::BuildSkinContainer({
      skintools::BitmapValue("SKIN2_BUTTON", archive_test::SolidBmp(6, 2, 0xCBCBCB)),
      skintools::BitmapValue("MONO", MakeBmp(Spec(8, 2, 1, 0, {0xA5, 0, 0, 0, 0x5A, 0, 0, 0}))),
      skintools::BitmapValue("NIBBLES",
                             MakeBmp(Spec(3, -2, 4, 0, {0x12, 0x30, 0, 0, 0x32, 0x10, 0, 0}))),
      skintools::BitmapValue(
          "RLE8",
          MakeBmp(Spec(5, 2, 8, 1, {2, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 1, 0, 1, 3, 0, 1}))),
      skintools::BitmapValue("RLE4", MakeBmp(Spec(5, 1, 4, 2, {0, 5, 0x12, 0x30, 0x10, 0, 0, 1}))),
      skintools::BitmapValue("HIGH", MakeBmp(Spec(2, 1, 16, 3, {0xE0, 0x07, 0x10, 0x84}))),
      skintools::BitmapValue("TRUE", MakeBmp(Spec(1, 1, 32, 0, {1, 2, 3, 4}))),
      skintools::IntegerValue("SKIN2_FORMCOLOR", 0xCBCBCB),
      skintools::IntegerValue("NEGATIVE", -4),
      skintools::ByteValue("SKIN2_TITLEFIVESECT", 1),
      skintools::TextValue("AUTHOR", "fuzz"),
  });
}

ArchiveMember SkinData(std::vector<uint8_t> container) {
  ArchiveMember member;
  member.name = "SKINDATA.SK2";
  member.data = std::move(container);
  return member;
}

std::vector<std::pair<std::string, std::vector<uint8_t>>> Seeds() {
  std::vector<std::pair<std::string, std::vector<uint8_t>>> seeds;
  seeds.emplace_back("plain.ssk", skintools::BuildSkinArchive({SkinData(EveryKind())}));
  ArchiveMember encrypted = SkinData(EveryKind());
  encrypted.password = "fuzz";
  seeds.emplace_back("encrypted.ssk", skintools::BuildSkinArchive({encrypted}));
  encrypted.dataDescriptor = true;
  seeds.emplace_back("streamed.ssk", skintools::BuildSkinArchive({encrypted}));
  ArchiveMember stored = SkinData(EveryKind());
  stored.compressionLevel = 0;
  seeds.emplace_back("stored.ssk", skintools::BuildSkinArchive({stored}));
  ArchiveMember fixed = SkinData(EveryKind());
  fixed.compressionStrategy = 4;  // Z_FIXED
  seeds.emplace_back("fixed.ssk", skintools::BuildSkinArchive({fixed}));
  seeds.emplace_back("empty.ssk",
                     skintools::BuildSkinArchive({SkinData(skintools::BuildSkinContainer({}))}));
  ArchiveMember other;
  other.name = "readme.txt";
  other.data = {'h', 'i'};
  other.extraField = {1, 0, 2, 0, 7, 7};
  other.comment = "note";
  seeds.emplace_back("members.ssk", skintools::BuildSkinArchive({other, SkinData(EveryKind())}));
  return seeds;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_fuzz_seeds FOLDER\n";
    return 2;
  }
  std::filesystem::create_directories(argv[1]);
  for (const auto& [name, bytes] : Seeds()) {
    std::ofstream out(std::filesystem::path(argv[1]) / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::cerr << "make_fuzz_seeds: cannot write " << name << '\n';
      return 1;
    }
  }
  return 0;
}
