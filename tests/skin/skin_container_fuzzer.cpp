// libFuzzer target: arbitrary bytes as the skin container, wrapped in a
// skin archive that stores it as it is, and loaded through the skin model:
// the values by group and index, the frames cut from every image and the
// images the painters derive. A damaged container must fail with a clean
// error from the load; whatever loads must serve every question the
// painters ask, and no temporary file may stay behind.
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "skin/skin_keys.h"
#include "skin/skin_progress_bar_res.h"
#include "skin/skin_reader.h"
#include "skin/skin_scroll_btn_res.h"
#include "skin/skin_tab_res.h"
#include "tests/support/test_folder.h"
#include "tools/skintools/skin_archive_writer.h"

namespace {

test_support::TestFolder& Folder() {
  static test_support::TestFolder folder;
  return folder;
}

std::vector<uint8_t> StoredSkinArchive(const uint8_t* data, size_t size) {
  skintools::ArchiveMember member;
  member.name = "SKINDATA.SK2";
  member.data.assign(data, data + size);
  member.compressionLevel = 0;
  return skintools::BuildSkinArchive({member});
}

void AskEverything(const skin::TvxSkinReader& reader) {
  for (int index = 0; index < 256; ++index) {
    reader.Color(index);
    reader.Metric(index);
    reader.Flag(index);
    if (!reader.Image(index)) {
      continue;
    }
    for (int count = 1; count <= 6; ++count) {
      for (int frame = 1; frame <= count; ++frame) {
        skin::ImageFrame(reader, index, frame, count);
      }
    }
  }
  skin::TvxSkinProgressBarRes progressBar;
  skin::TvxSkinScrollBtnRes scrollButtons;
  skin::TvxSkinTabRes tabs;
  progressBar.SetReader(&reader);
  scrollButtons.SetReader(&reader);
  tabs.SetReader(&reader);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string skinFile = Folder().Write("input.ssk", StoredSkinArchive(data, size));
  test_support::FolderTempNames tempNames(Folder().File(""));
  skin::TvxSkinReader reader(tempNames);
  try {
    reader.Load(skinFile, "");
  } catch (const std::runtime_error&) {
    if (reader.Loaded()) {
      __builtin_trap();
    }
  }
  if (reader.Loaded()) {
    AskEverything(reader);
  }
  if (Folder().FileNames().size() != 1) {
    __builtin_trap();
  }
  return 0;
}
