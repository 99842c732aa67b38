#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/archive/skin_fixture.h"
#include "tests/support/bmp_fixture.h"
#include "tests/support/test_folder.h"
#include "tools/skintools/skin_dump_command.h"
#include "tools/skintools/skin_values_file.h"
#include "tools/skintools/skin_writer_command.h"
#include "tools/skintools/text_escape.h"

namespace skin_test {
namespace {

using archive_test::SolidBmp;
using skin::SkinValueKind;
using test_support::BmpSpec;
using test_support::MakeBmp;

std::vector<uint8_t> Bytes(std::initializer_list<uint8_t> bytes) {
  return bytes;
}

TEST(SkinValuesFileTest, ReadsEveryFormOfValue) {
  std::istringstream file(
      "# a comment\n"
      "\n"
      "integer SKIN2_FORMCOLOR 0x00CBCBCB\r\n"
      "  integer\tNEGATIVE   -2147483648\n"
      "integer SYSCOLOR 0xFF00000F\n"
      "byte SKIN2_TITLEFIVESECT 1\n"
      "byte HEX 0xff\n"
      "text AUTHOR  two words\\tand a \\x41 tab\n"
      "text EMPTY\n");
  const std::vector<skintools::SkinValue> values = skintools::ParseSkinValues(file);
  ASSERT_EQ(values.size(), 7u);
  EXPECT_EQ(values[0].name, "SKIN2_FORMCOLOR");
  EXPECT_EQ(values[0].kind, SkinValueKind::kInteger);
  EXPECT_EQ(values[0].data, Bytes({0xCB, 0xCB, 0xCB, 0x00}));
  EXPECT_EQ(values[1].data, Bytes({0x00, 0x00, 0x00, 0x80}));
  EXPECT_EQ(values[2].data, Bytes({0x0F, 0x00, 0x00, 0xFF}));
  EXPECT_EQ(values[3].kind, SkinValueKind::kByte);
  EXPECT_EQ(values[3].data, Bytes({1}));
  EXPECT_EQ(values[4].data, Bytes({0xFF}));
  EXPECT_EQ(values[5].kind, SkinValueKind::kText);
  EXPECT_EQ(std::string(values[5].data.begin(), values[5].data.end()), "two words\tand a A tab");
  EXPECT_TRUE(values[6].data.empty());
}

TEST(SkinValuesFileTest, NamesTheLineOfTheFirstError) {
  const char* const lines[] = {
      "colour A 1",             // unknown kind
      "integer",                // no name
      "integer A",              // no value
      "integer A 2147483648",   // above the signed range
      "integer A 0x100000000",  // above 32 bits
      "integer A 12x",
      "integer A 0x",
      "integer A 0x-1",
      "integer A 1 2",  // text after the value
      "byte A 256",
      "byte A -1",
      "text A bad \\q escape",
      "text A cut \\x4",
  };
  for (const char* line : lines) {
    SCOPED_TRACE(line);
    std::istringstream file(std::string("# first\n") + line + "\n");
    try {
      skintools::ParseSkinValues(file);
      ADD_FAILURE() << "accepted";
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(std::string(error.what()).rfind("line 2: ", 0), 0u) << error.what();
    }
  }
  std::istringstream longName("byte " + std::string(65, 'N') + " 1\n");
  EXPECT_THROW(skintools::ParseSkinValues(longName), std::runtime_error);
}

TEST(TextEscapeTest, EveryByteSurvivesOnOneLine) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) {
    all += static_cast<char>(byte);
  }
  const std::string escaped = skintools::EscapeText(all);
  EXPECT_EQ(escaped.find_first_of("\t\r\n"), std::string::npos);
  EXPECT_EQ(skintools::UnescapeText(escaped), all);
}

class SkinToolsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bitmaps_ = folder_.File("bitmaps");
    std::filesystem::create_directory(bitmaps_);
  }

  void AddBitmap(const std::string& fileName, const std::vector<uint8_t>& bmp) {
    const std::string path = (std::filesystem::path(bitmaps_) / fileName).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
  }

  std::string WriteValues(const std::string& text, const std::string& name = "values.txt") {
    return folder_.Write(name, std::vector<uint8_t>(text.begin(), text.end()));
  }

  int Write(const std::vector<std::string>& args) {
    return skintools::RunSkinWriter(args, errors_);
  }

  // skindump's output, or its error text after "error: ".
  std::string Dump(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = skintools::RunSkinDump(args, out, err);
    return status == 0 ? out.str() : "error " + std::to_string(status) + ": " + err.str();
  }

  test_support::TestFolder folder_;
  std::string bitmaps_;
  std::ostringstream errors_;
};

TEST_F(SkinToolsTest, WrittenSkinDumpsByKindInContainerOrder) {
  AddBitmap("SKIN2_TITLEBAR1.bmp", SolidBmp(30, 26, 0x336699));
  AddBitmap("SKIN2_BUTTON.BMP", SolidBmp(63, 21, 0xFFFFFF));
  BmpSpec mono;
  mono.width = 8;
  mono.height = 2;
  mono.bitsPerPixel = 1;
  mono.palette = {0, 0xFFFFFF};
  mono.pixelData = {0xAA, 0, 0, 0, 0x55, 0, 0, 0};
  AddBitmap("SKIN2_CHECKEDMENUICON.bmp", MakeBmp(mono));
  AddBitmap("notes.txt", {'x'});
  const std::string values = WriteValues(
      "text AUTHOR Vexmoor\\tteam\n"
      "byte SKIN2_TITLEFIVESECT 1\n"
      "integer SKIN2_FORMCOLOR 0x00CBCBCB\n"
      "integer SKIN2_TITLEBARICONPOSX -4\n");
  const std::string expected =
      "SKIN2_BUTTON\tbitmap\t63x21x24\n"
      "SKIN2_CHECKEDMENUICON\tbitmap\t8x2x1\n"
      "SKIN2_TITLEBAR1\tbitmap\t30x26x24\n"
      "SKIN2_FORMCOLOR\tinteger\t13355979\n"
      "SKIN2_TITLEBARICONPOSX\tinteger\t-4\n"
      "SKIN2_TITLEFIVESECT\tbyte\t1\n"
      "AUTHOR\ttext\tVexmoor\\tteam\n";

  const std::string plain = folder_.File("plain.ssk");
  ASSERT_EQ(Write({plain, bitmaps_, values}), 0) << errors_.str();
  EXPECT_EQ(Dump({plain}), expected);

  const std::string locked = folder_.File("locked.ssk");
  ASSERT_EQ(Write({locked, bitmaps_, values, "pass"}), 0) << errors_.str();
  EXPECT_EQ(Dump({locked, "pass"}), expected);
  EXPECT_EQ(Dump({locked}), "error 1: Wrong password!\n");
  EXPECT_EQ(Dump({folder_.File("none.ssk")}), "error 1: Failed to read skin file!\n");
}

TEST_F(SkinToolsTest, WriterRefusesWhatWouldNotLoadAsMeant) {
  const std::string out = folder_.File("out.ssk");
  const std::string values = WriteValues("integer A 1\n");
  EXPECT_EQ(Write({out, bitmaps_}), 2) << "usage";

  EXPECT_EQ(Write({out, folder_.File("no such folder"), values}), 1);
  EXPECT_EQ(Write({out, bitmaps_, folder_.File("no such file")}), 1);

  EXPECT_EQ(Write({out, bitmaps_, WriteValues("integer A 1\ninteger a 2\n", "twice.txt")}), 1);
  EXPECT_NE(errors_.str().find("\"a\" is used twice"), std::string::npos) << errors_.str();

  AddBitmap("A.bmp", SolidBmp(2, 2, 0));
  EXPECT_EQ(Write({out, bitmaps_, values}), 0) << "a bitmap and an integer may share a name";

  AddBitmap("BROKEN.bmp", {'B', 'M', 0, 0});
  errors_.str("");
  EXPECT_EQ(Write({folder_.File("broken.ssk"), bitmaps_, values}), 1);
  EXPECT_NE(errors_.str().find("BROKEN.bmp: Bitmap image is not valid"), std::string::npos)
      << errors_.str();
  EXPECT_FALSE(std::filesystem::exists(folder_.File("broken.ssk")));
}

TEST(SkinContainerWriterTest, RefusesNamesTheReaderWouldChange) {
  for (const std::string& name : {std::string(), std::string(65, 'N'), std::string("A\0B", 3)}) {
    EXPECT_THROW(skintools::BuildSkinContainer({skintools::ByteValue(name, 1)}),
                 std::invalid_argument);
  }
}

}  // namespace
}  // namespace skin_test
