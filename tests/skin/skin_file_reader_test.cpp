#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/std_temp_name_source.h"
#include "image/bmp_decoder.h"
#include "skin/skin_file_reader.h"
#include "tests/archive/skin_fixture.h"
#include "tests/support/test_folder.h"
#include "tools/skintools/byte_writer.h"

namespace skin_test {
namespace {

using archive_test::RecordOffset;
using archive_test::SkinArchive;
using archive_test::SolidBmp;
using skintools::BitmapValue;
using skintools::ByteValue;
using skintools::IntegerValue;
using skintools::TextValue;

namespace layout = skin::container_layout;

class SkinFileReaderTest : public ::testing::Test {
 protected:
  std::string WriteSkin(const std::vector<uint8_t>& container, const std::string& password = "") {
    return folder_.Write("skin.ssk", SkinArchive(container, password));
  }

  skin::Tsk2SkinFileReader Load(const std::vector<uint8_t>& container) {
    return skin::Tsk2SkinFileReader(WriteSkin(container), "", tempNames_);
  }

  // The text Load fails with, or "" when it loads.
  std::string LoadError(const std::string& file, const std::string& password = "") {
    try {
      skin::Tsk2SkinFileReader reader(file, password, tempNames_);
      return "";
    } catch (const std::runtime_error& error) {
      return error.what();
    }
  }

  test_support::TestFolder folder_;
  test_support::FolderTempNames tempNames_{folder_.File("")};
};

TEST_F(SkinFileReaderTest, LooksUpEveryKindByNameIgnoringCase) {
  const std::vector<uint8_t> container = skintools::BuildSkinContainer({
      BitmapValue("SKIN2_BUTTON", SolidBmp(63, 21, 0x102030)),
      IntegerValue("SKIN2_FORMCOLOR", 0xCBCBCB),
      ByteValue("SKIN2_TITLEFIVESECT", 1),
      TextValue("SKIN2_AUTHOR", "someone\twho=draws"),
      IntegerValue("SKIN2_SYSCOLOR", static_cast<int32_t>(0xFF00000F)),
      ByteValue("SKIN2_FULL", 255),
      IntegerValue("skin2_formcolor", 7),  // a later equal name is shadowed
      BitmapValue("SKIN2_TITLEBAR1", SolidBmp(5, 30, 0xFFFFFF)),
  });
  skin::Tsk2SkinFileReader reader = Load(container);

  ASSERT_NE(reader.GetBitmap("skin2_button"), nullptr);
  EXPECT_EQ(reader.GetBitmap("Skin2_Button")->Width(), 63);
  EXPECT_EQ(reader.GetBitmap("SKIN2_BUTTON")->Pixel(0, 0), 0x302010u);
  EXPECT_EQ(reader.GetBitmap("SKIN2_TITLEBAR1")->Height(), 30);
  EXPECT_EQ(reader.GetInteger("SKIN2_FORMCOLOR"), 0xCBCBCB);
  EXPECT_EQ(reader.GetInteger("SKIN2_SYSCOLOR"), static_cast<int32_t>(0xFF00000F));
  EXPECT_EQ(reader.GetByte("skin2_titlefivesect"), 1);
  EXPECT_EQ(reader.GetByte("SKIN2_FULL"), 255);

  // Each lookup sees only its own kind.
  EXPECT_EQ(reader.GetBitmap("SKIN2_FORMCOLOR"), nullptr);
  EXPECT_EQ(reader.GetInteger("SKIN2_TITLEFIVESECT"), -1);
  EXPECT_EQ(reader.GetByte("SKIN2_FORMCOLOR"), 0);
  EXPECT_EQ(reader.GetInteger("SKIN2_AUTHOR"), -1);

  const skin::SkinValues& values = reader.Values();
  ASSERT_EQ(values.texts.size(), 1u);
  EXPECT_EQ(values.texts[0].text, "someone\twho=draws");
  ASSERT_EQ(values.integers.size(), 3u);
  EXPECT_EQ(values.integers[2].name, "skin2_formcolor");
}

TEST_F(SkinFileReaderTest, SetTransparentColorReachesEveryBitmap) {
  skin::Tsk2SkinFileReader reader = Load(skintools::BuildSkinContainer({
      BitmapValue("A", SolidBmp(1, 1, 0)),
      BitmapValue("B", SolidBmp(2, 2, 0)),
  }));
  reader.SetTransparentColor(0xFF00FF);
  for (const skin::NamedBitmap& named : reader.Values().bitmaps) {
    EXPECT_TRUE(named.bitmap.Transparent());
    EXPECT_EQ(named.bitmap.TransparentColor(), 0xFF00FFu);
  }
}

TEST_F(SkinFileReaderTest, ContainerEdgeCases) {
  {
    SCOPED_TRACE("only the terminator");
    skin::Tsk2SkinFileReader reader = Load(skintools::BuildSkinContainer({}));
    EXPECT_EQ(reader.GetBitmap("SKIN2_BUTTON"), nullptr);
    EXPECT_EQ(reader.GetInteger("SKIN2_FORMCOLOR"), -1);
    EXPECT_EQ(reader.GetByte("SKIN2_TITLEFIVESECT"), 0);
  }
  {
    SCOPED_TRACE("a record of kind 7 is skipped");
    std::vector<uint8_t> container = skintools::BuildSkinContainer(
        {IntegerValue("FIRST", 1), IntegerValue("ODD", 2), IntegerValue("LAST", 3)});
    container[RecordOffset(1) + layout::kKindOffset] = 7;
    skin::Tsk2SkinFileReader reader = Load(container);
    EXPECT_EQ(reader.GetInteger("ODD"), -1);
    EXPECT_EQ(reader.GetInteger("LAST"), 3);
  }
  {
    SCOPED_TRACE("a name of 64 characters has no NUL");
    const std::string name(64, 'N');
    skin::Tsk2SkinFileReader reader = Load(skintools::BuildSkinContainer({ByteValue(name, 9)}));
    EXPECT_EQ(reader.GetByte(name), 9);
  }
  {
    SCOPED_TRACE("numbers shorter than their width are zero-extended");
    std::vector<uint8_t> container =
        skintools::BuildSkinContainer({TextValue("SHORT", "\xFF\xFF")});
    container[RecordOffset(0) + layout::kKindOffset] = 1;
    EXPECT_EQ(Load(container).GetInteger("SHORT"), 0xFFFF);
  }
}

TEST_F(SkinFileReaderTest, ExtractionFailuresRaiseTheirTexts) {
  const std::vector<uint8_t> container = skintools::BuildSkinContainer({IntegerValue("A", 1)});
  EXPECT_EQ(LoadError(folder_.File("missing.ssk")), "Failed to read skin file!");
  EXPECT_EQ(LoadError(WriteSkin(container, "pw")), "Wrong password!");
  EXPECT_EQ(LoadError(WriteSkin(container, "pw"), "PW"), "Wrong password!");
  EXPECT_EQ(LoadError(WriteSkin(container, "pw"), "pw"), "");
}

// Each case breaks one field of a valid container.
struct MalformedCase {
  const char* name;
  size_t offset;
  uint32_t value;
};

TEST_F(SkinFileReaderTest, RefusesMalformedContainers) {
  const std::vector<uint8_t> valid = skintools::BuildSkinContainer(
      {IntegerValue("INT", 5), ByteValue("BYTE", 1), TextValue("TEXT", "abc")});
  const uint32_t size = static_cast<uint32_t>(valid.size());
  const MalformedCase cases[] = {
      {"header length 16", layout::kHeaderLengthOffset, 16},
      {"header length 1000", layout::kHeaderLengthOffset, 1000},
      {"first record past the end", layout::kFirstRecordOffset, size},
      {"first record across the end", layout::kFirstRecordOffset, size - 10},
      {"integer of 5 bytes", RecordOffset(0) + layout::kDataLengthOffset, 5},
      {"byte of 2 bytes", RecordOffset(1) + layout::kDataLengthOffset, 2},
      {"data offset past the end", RecordOffset(2) + layout::kDataOffsetOffset, size + 1},
      {"data length past the end", RecordOffset(2) + layout::kDataLengthOffset, 0xFFFFFFFF},
      {"next record across the end", RecordOffset(2) + layout::kNextOffset, size - 40},
      {"record chain loops", RecordOffset(2) + layout::kNextOffset,
       static_cast<uint32_t>(RecordOffset(0))},
      {"record points at itself", RecordOffset(0) + layout::kNextOffset,
       static_cast<uint32_t>(RecordOffset(0))},
  };
  for (const MalformedCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<uint8_t> container = valid;
    skintools::StoreLittleEndian32(container, c.offset, c.value);
    EXPECT_EQ(LoadError(WriteSkin(container)), "Failed to read skin file!");
  }
  EXPECT_EQ(LoadError(WriteSkin({0, 0, 0, 0})), "Failed to read skin file!")
      << "shorter than a header";
}

TEST_F(SkinFileReaderTest, BitmapThatDoesNotDecodeRaisesItsError) {
  std::vector<uint8_t> broken = SolidBmp(4, 4, 0);
  broken.resize(40);
  EXPECT_EQ(LoadError(WriteSkin(skintools::BuildSkinContainer({BitmapValue("B", broken)}))),
            image::kInvalidBitmapText);
}

TEST_F(SkinFileReaderTest, TemporaryFileIsGoneOnEveryPath) {
  const std::vector<uint8_t> good = skintools::BuildSkinContainer({IntegerValue("A", 1)});
  std::vector<uint8_t> looping = good;
  skintools::StoreLittleEndian32(looping, RecordOffset(0) + layout::kNextOffset,
                                 static_cast<uint32_t>(RecordOffset(0)));
  std::vector<uint8_t> badBitmap = skintools::BuildSkinContainer({BitmapValue("B", {'B', 'M'})});

  LoadError(WriteSkin(good));
  LoadError(WriteSkin(good, "pw"));
  LoadError(WriteSkin(looping));
  LoadError(WriteSkin(badBitmap));
  EXPECT_EQ(tempNames_.Count(), 4) << "every load extracts into a temporary file";
  EXPECT_EQ(folder_.FileNames(), std::vector<std::string>{"skin.ssk"});
}

TEST(TempNameTest, GuidFileInTheTemporaryFolder) {
  test_support::FolderTempNames withSeparator("/tmp/");
  test_support::FolderTempNames withoutSeparator("/tmp");
  test_support::FolderTempNames windowsStyle("C:\\Temp\\");
  EXPECT_EQ(base::NewTempFileName(withSeparator), "/tmp/{00000000-0000-4000-8000-000000000001}");
  EXPECT_EQ(base::NewTempFileName(withoutSeparator), "/tmp/{00000000-0000-4000-8000-000000000001}");
  EXPECT_EQ(base::NewTempFileName(windowsStyle),
            "C:\\Temp\\{00000000-0000-4000-8000-000000000001}");

  base::StdTempNameSource names;
  const std::regex guid(
      "\\{[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}\\}");
  std::set<std::string> seen;
  for (int i = 0; i < 100; ++i) {
    const std::string text = names.NewGuidText();
    EXPECT_TRUE(std::regex_match(text, guid)) << text;
    seen.insert(text);
  }
  EXPECT_EQ(seen.size(), 100u);
}

}  // namespace
}  // namespace skin_test
