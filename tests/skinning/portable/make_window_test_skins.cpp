// make_window_test_skins OUTPUT_FOLDER: writes plain.ssk and shaped.ssk,
// the skins the Windows tests of the skin engine load.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "tests/archive/skin_fixture.h"
#include "tests/skinning/portable/test_skins.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_window_test_skins OUTPUT_FOLDER\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  const std::pair<const char*, std::vector<skintools::SkinValue>> skins[] = {
      {"plain.ssk", skinning_test::PlainSkinValues()},
      {"shaped.ssk", skinning_test::ShapedSkinValues()},
  };
  for (const auto& [name, values] : skins) {
    const std::vector<uint8_t> file =
        archive_test::SkinArchive(skintools::BuildSkinContainer(values));
    std::ofstream out(folder / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    if (!out.flush()) {
      std::cerr << (folder / name).string() << ": cannot be written\n";
      return 1;
    }
  }
  return 0;
}
