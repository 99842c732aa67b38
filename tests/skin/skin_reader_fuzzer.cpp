// libFuzzer target: arbitrary bytes as a skin file, through the whole
// reader (ZIP walk, decryption, inflate, container, BMP decoding). Any
// failure must be a clean exception, and the extraction's temporary file
// must be gone afterwards, whatever happened.
#include <cstdint>
#include <exception>
#include <filesystem>
#include <vector>

#include "skin/skin_file_reader.h"
#include "tests/support/test_folder.h"

namespace {

constexpr char kPassword[] = "fuzz";  // the encrypted seeds use it

test_support::TestFolder& Folder() {
  static test_support::TestFolder folder;
  return folder;
}

void Use(skin::Tsk2SkinFileReader& reader) {
  reader.SetTransparentColor(0xFF00FF);
  for (const skin::NamedBitmap& named : reader.Values().bitmaps) {
    reader.GetBitmap(named.name)->Pixel(named.bitmap.Width() - 1, named.bitmap.Height() - 1);
  }
  reader.GetInteger("SKIN2_FORMCOLOR");
  reader.GetByte("SKIN2_TITLEFIVESECT");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string skinFile = Folder().Write("input.ssk", std::vector<uint8_t>(data, data + size));
  test_support::FolderTempNames tempNames(Folder().File(""));
  try {
    skin::Tsk2SkinFileReader reader(skinFile, kPassword, tempNames);
    Use(reader);
  } catch (const std::exception&) {
  }
  if (Folder().FileNames().size() != 1) {
    __builtin_trap();
  }
  return 0;
}
