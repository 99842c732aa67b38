#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "skin/skin_reader.h"
#include "tests/image/picture_fixture.h"
#include "tests/skin/model_skin_fixture.h"

namespace skin_test {
namespace {

using image_test::CoordinatePicture;
using image_test::FromRows;
using image_test::PixelRows;
using image_test::RowsOf;
using namespace skin;

constexpr image::ColorRef kMagenta = 0xFF00FF;
constexpr image::ColorRef kForm = 0xD4D0C8;

class SkinReaderTest : public ModelSkinTest {
 protected:
  void CountChanges() {
    reader_.SetChangeHandler([this, owner = &owner_] {
      ++changes_;
      lastOwner_ = owner;
    });
  }

  int owner_ = 0;
  int changes_ = 0;
  int* lastOwner_ = nullptr;
};

TEST_F(SkinReaderTest, AnswersEveryGroupByIndex) {
  LoadSkin({
      ImageValue(kImageButton, CoordinatePicture(9, 5)),
      ColorValue(kColorTrans, kMagenta),
      ColorValue(kColorSideChannelBorder, 0x123456),
      MetricValue(kMetricBottomRegionMaxY, 7),
      FlagValue(kFlagTabControlTrans, true),
      FlagValue(kFlagTitleFiveSect, false),
  });
  ASSERT_NE(reader_.Image(kImageButton), nullptr);
  EXPECT_EQ(reader_.Image(kImageButton)->Width(), 9);
  EXPECT_EQ(reader_.Color(kColorSideChannelBorder), 0x123456u);
  EXPECT_EQ(reader_.Metric(kMetricBottomRegionMaxY), 7);
  EXPECT_TRUE(reader_.Flag(kFlagTabControlTrans));
  EXPECT_FALSE(reader_.Flag(kFlagTitleFiveSect));

  // Missing keys.
  EXPECT_EQ(reader_.Image(kImageTitleBar1), nullptr);
  EXPECT_EQ(reader_.Color(kColorForm), 0xFFFFFFFFu);
  EXPECT_EQ(reader_.Metric(kMetricTitleBarIconPosX), -1);
  EXPECT_FALSE(reader_.Flag(kFlagButtonTrans));
}

TEST_F(SkinReaderTest, IndexesAreMaskedToSevenBitsAndNeverLeaveTheirGroup) {
  LoadSkin({
      ColorValue(kColorForm, kForm),
      ImageValue(kImageTitleBar1, CoordinatePicture(2, 2)),
      MetricValue(kMetricTitleBarIconPosX, 4),
      FlagValue(kFlagTitleFiveSect, true),
  });
  EXPECT_EQ(reader_.Color(128 + kColorForm), kForm);
  EXPECT_NE(reader_.Image(0x300 + kImageTitleBar1), nullptr);
  EXPECT_EQ(reader_.Metric(-128 + kMetricTitleBarIconPosX), 4);
  EXPECT_TRUE(reader_.Flag(256 + kFlagTitleFiveSect));
  for (int index : {int{kColorCount}, 127, -1}) {
    EXPECT_EQ(reader_.Color(index), 0xFFFFFFFFu) << index;
  }
  for (int index : {int{kImageCount}, 127}) {
    EXPECT_EQ(reader_.Image(index), nullptr) << index;
  }
  EXPECT_EQ(reader_.Metric(kMetricCount), -1);
  EXPECT_FALSE(reader_.Flag(kFlagCount));
}

TEST_F(SkinReaderTest, WithoutASkinEveryAccessorAnswersMissing) {
  EXPECT_FALSE(reader_.Loaded());
  EXPECT_EQ(reader_.Image(kImageButton), nullptr);
  EXPECT_EQ(reader_.Color(kColorForm), 0xFFFFFFFFu);
  EXPECT_EQ(reader_.Metric(kMetricTitleBarIconPosX), -1);
  EXPECT_FALSE(reader_.Flag(kFlagTitleFiveSect));
  EXPECT_FALSE(ImageFrame(reader_, kImageButton, 1, 3));
}

TEST_F(SkinReaderTest, ImagesTakeColourZeroAsTransparentAndTheTrackBarSitsOnTheForm) {
  image::Bitmap trackBar = FromRows({{kMagenta, 0x101010, kMagenta}});
  LoadSkin({
      ColorValue(kColorTrans, kMagenta),
      ColorValue(kColorForm, kForm),
      ImageValue(kImageTrackBar, trackBar),
      ImageValue(kImageButton, FromRows({{kMagenta}})),
  });
  const image::Bitmap* button = reader_.Image(kImageButton);
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(button->Transparent());
  EXPECT_EQ(button->TransparentColor(), kMagenta);
  EXPECT_EQ(button->Pixel(0, 0), kMagenta) << "only the track bar is recoloured";
  const image::Bitmap* channel = reader_.Image(kImageTrackBar);
  ASSERT_NE(channel, nullptr);
  EXPECT_EQ(RowsOf(*channel), (PixelRows{{kForm, 0x101010, kForm}}));
  EXPECT_EQ(channel->BitsPerPixel(), 24);
}

TEST_F(SkinReaderTest, ASkinWithoutATrackBarLoads) {
  LoadSkin({ColorValue(kColorTrans, kMagenta), ColorValue(kColorForm, kForm)});
  EXPECT_EQ(reader_.Image(kImageTrackBar), nullptr);
}

TEST_F(SkinReaderTest, AMissingFileLeavesNoSkinAndStillTellsTheOwner) {
  LoadSkin({ColorValue(kColorForm, kForm)});
  CountChanges();
  reader_.Load(folder_.File("absent.ssk"), "");
  EXPECT_FALSE(reader_.Loaded());
  EXPECT_EQ(reader_.Color(kColorForm), 0xFFFFFFFFu) << "the old skin is gone";
  EXPECT_EQ(changes_, 1);
  EXPECT_EQ(lastOwner_, &owner_);

  reader_.Load("", "");
  EXPECT_EQ(changes_, 2);
}

TEST_F(SkinReaderTest, ABrokenFileThrowsLeavesNoSkinAndDoesNotTellTheOwner) {
  LoadSkin({ColorValue(kColorForm, kForm)});
  CountChanges();
  const std::string broken = folder_.Write("broken.ssk", {'S', 'K', 3, 4, 0, 0});
  EXPECT_THROW(reader_.Load(broken, ""), std::runtime_error);
  EXPECT_FALSE(reader_.Loaded());
  EXPECT_EQ(reader_.Color(kColorForm), 0xFFFFFFFFu);
  EXPECT_EQ(changes_, 0);

  reader_.Load(WriteSkin({ColorValue(kColorForm, kForm)}), "");
  EXPECT_TRUE(reader_.Loaded());
  EXPECT_EQ(changes_, 1);
}

TEST_F(SkinReaderTest, ImageFrameCutsAFrameOrGivesTheWholeImage) {
  LoadSkin({ImageValue(kImageButton, FromRows({{1, 2, 3, 4, 5, 6}}))});
  EXPECT_EQ(RowsOf(*ImageFrame(reader_, kImageButton, 2, 3)), (PixelRows{{3, 4}}));
  EXPECT_EQ(ImageFrame(reader_, kImageButton, 0, 3)->Width(), 6);
  EXPECT_EQ(ImageFrame(reader_, kImageButton, 2, 0)->Width(), 6);
  EXPECT_FALSE(ImageFrame(reader_, kImageCheckBox, 1, 6));
}

}  // namespace
}  // namespace skin_test
