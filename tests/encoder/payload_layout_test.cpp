#include "encoder/payload_layout.h"

#include <gtest/gtest.h>

namespace encoder {
namespace {

TEST(PayloadLayout, TrailerReadsBackFromTheEndOfTheFile) {
  const PayloadTrailer trailer{48800768, 0x3910daf4621408a0ULL};
  const std::string bytes = EncodePayloadTrailer(trailer);
  ASSERT_EQ(bytes.size(), kPayloadTrailerSize);
  EXPECT_EQ(bytes.substr(0, 8), std::string("\x00\xa4\xe8\x02\x00\x00\x00\x00", 8));
  const auto read = DecodePayloadTrailer(bytes, 50000000);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->size, trailer.size);
  EXPECT_EQ(read->hash, trailer.hash);
  EXPECT_EQ(UnpackFolderName(*read), "ffmpeg-48800768-3910daf4621408a0");
}

TEST(PayloadLayout, DamagedTrailersAreRefused) {
  const std::string good = EncodePayloadTrailer({1000, 1});
  std::string badMagic = good;
  badMagic.back() = 'X';
  EXPECT_FALSE(DecodePayloadTrailer(badMagic, 5000));
  EXPECT_FALSE(DecodePayloadTrailer(good.substr(1), 5000));
  // The payload and the trailer must fit into the file.
  EXPECT_TRUE(DecodePayloadTrailer(good, 1000 + kPayloadTrailerSize));
  EXPECT_FALSE(DecodePayloadTrailer(good, 999 + kPayloadTrailerSize));
  EXPECT_FALSE(DecodePayloadTrailer(good, 10));
  EXPECT_FALSE(DecodePayloadTrailer(EncodePayloadTrailer({0, 1}), 5000));
}

TEST(PayloadLayout, HashIsFnv1a64) {
  Fnv1aHash empty, text;
  text.Add("a", 1);
  EXPECT_EQ(empty.Value(), 0xcbf29ce484222325ULL);
  EXPECT_EQ(text.Value(), 0xaf63dc4c8601ec8cULL);
}

TEST(PayloadLayout, CarrierTrailerHoldsTheSizePlusFour) {
  EXPECT_EQ(EncodeCarrierTrailer(3), std::string("\x07\x00\x00\x00", 4));
  EXPECT_EQ(EncodeCarrierTrailer(0x01020304), "\x08\x03\x02\x01");
}

}  // namespace
}  // namespace encoder
