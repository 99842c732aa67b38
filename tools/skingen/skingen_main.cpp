// skingen OUTPUT_FOLDER: writes the program's eighteen skin files.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "tools/skingen/skin_description.h"
#include "tools/skingen/skin_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: skingen OUTPUT_FOLDER\n";
    return 2;
  }
  try {
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const skingen::SkinDescription& skin : skingen::ShippedSkins()) {
      const std::vector<uint8_t> file = skingen::BuildSkinFile(skin);
      const std::filesystem::path path = folder / (std::string(skin.name) + ".ssk");
      std::ofstream out(path, std::ios::binary);
      out.write(reinterpret_cast<const char*>(file.data()),
                static_cast<std::streamsize>(file.size()));
      if (!out.flush()) {
        std::cerr << path.string() << ": cannot be written\n";
        return 1;
      }
    }
  } catch (const std::exception& error) {
    std::cerr << "skingen: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
