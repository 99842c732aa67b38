#include "tests/skin/model_skin_fixture.h"

#include "tests/archive/skin_fixture.h"
#include "tests/support/bmp_fixture.h"

namespace skin_test {

namespace {

const char* Name(skin::SkinKeyGroup group, int index) {
  return skin::SkinKeyName(group, index);
}

std::vector<uint8_t> BmpOf(const image::Bitmap& picture) {
  std::vector<uint32_t> pixels;
  for (int y = 0; y < picture.Height(); ++y) {
    pixels.insert(pixels.end(), picture.Row(y), picture.Row(y) + picture.Width());
  }
  return test_support::MakeBmp24(picture.Width(), picture.Height(), pixels);
}

}  // namespace

skintools::SkinValue ImageValue(int index, const image::Bitmap& picture) {
  return skintools::BitmapValue(Name(skin::SkinKeyGroup::kImage, index), BmpOf(picture));
}

skintools::SkinValue ColorValue(int index, image::ColorRef color) {
  return skintools::IntegerValue(Name(skin::SkinKeyGroup::kColor, index),
                                 static_cast<int32_t>(color));
}

skintools::SkinValue MetricValue(int index, int32_t value) {
  return skintools::IntegerValue(Name(skin::SkinKeyGroup::kMetric, index), value);
}

skintools::SkinValue FlagValue(int index, bool value) {
  return skintools::ByteValue(Name(skin::SkinKeyGroup::kFlag, index), value ? 1 : 0);
}

std::string ModelSkinTest::WriteSkin(const std::vector<skintools::SkinValue>& values,
                                     const std::string& name) {
  return folder_.Write(name, archive_test::SkinArchive(skintools::BuildSkinContainer(values)));
}

void ModelSkinTest::LoadSkin(const std::vector<skintools::SkinValue>& values) {
  reader_.Load(WriteSkin(values), "");
  ASSERT_TRUE(reader_.Loaded());
}

}  // namespace skin_test
