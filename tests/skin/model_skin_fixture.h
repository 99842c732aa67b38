#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image/bitmap.h"
#include "skin/skin_keys.h"
#include "skin/skin_reader.h"
#include "tests/support/test_folder.h"
#include "tools/skintools/skin_container_writer.h"

namespace skin_test {

// Skin values addressed as the model addresses them.
skintools::SkinValue ImageValue(int index, const image::Bitmap& picture);
skintools::SkinValue ColorValue(int index, image::ColorRef color);
skintools::SkinValue MetricValue(int index, int32_t value);
skintools::SkinValue FlagValue(int index, bool value);

// Skin files written into a test folder, and a reader to load them.
class ModelSkinTest : public ::testing::Test {
 protected:
  std::string WriteSkin(const std::vector<skintools::SkinValue>& values,
                        const std::string& name = "skin.ssk");
  // A reader with `values` loaded.
  void LoadSkin(const std::vector<skintools::SkinValue>& values);

  test_support::TestFolder folder_;
  test_support::FolderTempNames tempNames_{folder_.File("")};
  skin::TvxSkinReader reader_{tempNames_};
};

}  // namespace skin_test
