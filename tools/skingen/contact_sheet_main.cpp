// contact_sheet SKIN_FOLDER OUTPUT.png: one picture of all shipped skins.
#include <fstream>
#include <iostream>

#include "base/std_temp_name_source.h"
#include "tools/skingen/contact_sheet.h"
#include "tools/skingen/png_file.h"
#include "tools/skingen/skin_description.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: contact_sheet SKIN_FOLDER OUTPUT.png\n";
    return 2;
  }
  try {
    std::vector<std::string> names;
    for (const skingen::SkinDescription& skin : skingen::ShippedSkins()) {
      names.push_back(skin.name);
    }
    base::StdTempNameSource tempNames;
    const std::vector<uint8_t> png =
        skingen::EncodePng(skingen::ContactSheet(argv[1], names, tempNames));
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    if (!out.flush()) {
      std::cerr << argv[2] << ": cannot be written\n";
      return 1;
    }
  } catch (const std::exception& error) {
    std::cerr << "contact_sheet: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
