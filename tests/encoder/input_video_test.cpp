#include "encoder/input_video.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/encoder/bytes_file.h"

namespace encoder {
namespace {

std::string BigEndian(std::uint64_t value, int size) {
  std::string bytes;
  for (int shift = (size - 1) * 8; shift >= 0; shift -= 8) {
    bytes += static_cast<char>(value >> shift & 0xFF);
  }
  return bytes;
}

std::string LittleEndian(std::uint64_t value, int size) {
  const std::string big = BigEndian(value, size);
  return std::string(big.rbegin(), big.rend());
}

std::string Zeros(std::size_t count) {
  return std::string(count, '\0');
}

// AVI: chunks and lists of chunks.
std::string Chunk(const std::string& id, const std::string& data) {
  return id + LittleEndian(data.size(), 4) + data + (data.size() % 2 ? Zeros(1) : "");
}

std::string List(const std::string& kind, const std::string& chunks) {
  return Chunk("LIST", kind + chunks);
}

std::string AviStream(const std::string& kind, const std::string& format) {
  return List("strl", Chunk("strh", kind + Zeros(52)) + Chunk("strf", format));
}

std::string BitmapInfo(std::int32_t width, std::int32_t height, const std::string& fourCc) {
  return LittleEndian(40, 4) + LittleEndian(static_cast<std::uint32_t>(width), 4) +
         LittleEndian(static_cast<std::uint32_t>(height), 4) + LittleEndian(1, 2) +
         LittleEndian(24, 2) + fourCc + Zeros(20);
}

std::string Avi(const std::string& streams) {
  const std::string body =
      "AVI " + List("hdrl", Chunk("avih", Zeros(56)) + streams) + List("movi", Chunk("00dc", "x"));
  return "RIFF" + LittleEndian(body.size(), 4) + body;
}

// QuickTime and MP4: boxes.
std::string Box(const std::string& type, const std::string& data) {
  return BigEndian(8 + data.size(), 4) + type + data;
}

std::string TrackHeader(bool quarterTurn) {
  const std::uint32_t one = 0x10000, minusOne = 0xFFFF0000;
  const std::string matrix =
      quarterTurn ? BigEndian(0, 4) + BigEndian(one, 4) + Zeros(4) + BigEndian(minusOne, 4) +
                        BigEndian(0, 4)
                  : BigEndian(one, 4) + Zeros(8) + BigEndian(0, 4) + BigEndian(one, 4);
  return Box("tkhd", Zeros(40) + matrix + Zeros(36 - matrix.size() + 8));
}

std::string Track(const std::string& handler, const std::string& entryType, int width, int height,
                  bool quarterTurn = false) {
  const std::string entry =
      Box(entryType, Zeros(24) + BigEndian(width, 2) + BigEndian(height, 2) + Zeros(50));
  const std::string descriptions = Box("stsd", Zeros(4) + BigEndian(1, 4) + entry);
  return Box("trak",
             TrackHeader(quarterTurn) + Box("mdia", Box("hdlr", Zeros(8) + handler + Zeros(12)) +
                                                        Box("minf", Box("stbl", descriptions))));
}

// Matroska: elements, sizes written in one or two bytes.
std::string Element(const std::string& id, const std::string& data) {
  const std::string size =
      data.size() < 127 ? BigEndian(0x80 | data.size(), 1) : BigEndian(0x4000 | data.size(), 2);
  return id + size + data;
}

const std::string kEbml("\x1A\x45\xDF\xA3", 4), kSegment("\x18\x53\x80\x67", 4),
    kTracks("\x16\x54\xAE\x6B", 4), kCluster("\x1F\x43\xB6\x75", 4), kEntry("\xAE"), kType("\x83"),
    kCodecId("\x86"), kVideo("\xE0"), kWidth("\xB0"), kHeight("\xBA"), kVoid("\xEC");
const std::string kUnknownSize("\x01\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 8);

std::string MatroskaEntry(int type, const std::string& codec, int width, int height) {
  return Element(kEntry, Element(kType, BigEndian(type, 1)) + Element(kCodecId, codec) +
                             Element(kVideo, Element(kWidth, BigEndian(width, 2)) +
                                                 Element(kHeight, BigEndian(height, 2))));
}

std::string Matroska(const std::string& segmentChildren) {
  return Element(kEbml, Element("\x42\x82", "webm")) + kSegment + kUnknownSize + segmentChildren;
}

// MPEG: a sequence header with its size, aspect ratio and frame rate codes
// and marker bit.
std::string SequenceHeader(int width, int height, int aspect, int rate, bool marker) {
  return std::string("\0\0\1\xB3", 4) + BigEndian(width << 12 | height, 3) +
         BigEndian(aspect << 4 | rate, 1) + BigEndian(0x1234, 2) + (marker ? "\x20" : "\x00") +
         Zeros(1);
}

const std::string kPack = std::string("\0\0\1\xBA", 4) + Zeros(10);

struct Case {
  const char* name;
  std::string bytes;
  VideoCodec codec;
  int width, height;
};

std::vector<Case> Cases() {
  const std::string audio = AviStream("auds", Zeros(18));
  const std::string h264 = Track("vide", "avc1", 1920, 1080);
  return {
      {"AVI, video after audio", Avi(audio + AviStream("vids", BitmapInfo(640, 480, "XVID"))),
       VideoCodec::kMpeg4, 640, 480},
      {"AVI stored top down, code in small letters",
       Avi(AviStream("vids", BitmapInfo(352, -288, "div3"))), VideoCodec::kMpeg4, 352, 288},
      {"AVI from a DV camcorder", Avi(AviStream("vids", BitmapInfo(720, 576, "dvsd"))),
       VideoCodec::kDv, 720, 576},
      {"AVI of a codec with no shortcut", Avi(AviStream("vids", BitmapInfo(320, 240, "cvid"))),
       VideoCodec::kOther, 320, 240},
      {"AVI without video", Avi(audio), VideoCodec::kOther, 0, 0},
      {"MP4, audio track first",
       Box("ftyp", "isom") + Box("moov", Track("soun", "mp4a", 0, 0) + h264), VideoCodec::kH264,
       1920, 1080},
      {"MP4, movie box after the media",
       Box("ftyp", "isom") + Box("mdat", Zeros(3000)) + Box("moov", h264), VideoCodec::kH264, 1920,
       1080},
      {"MP4, media data of a 64-bit size",
       Box("ftyp", "isom") + BigEndian(1, 4) + "mdat" + BigEndian(16 + 100, 8) + Zeros(100) +
           Box("moov", Track("vide", "mp4v", 640, 480)),
       VideoCodec::kMpeg4, 640, 480},
      {"QuickTime of a phone held upright", Box("moov", Track("vide", "hvc1", 1920, 1080, true)),
       VideoCodec::kHevc, 1080, 1920},
      {"3GP of H.263", Box("ftyp", "3gp4") + Box("moov", Track("vide", "s263", 176, 144)),
       VideoCodec::kH263, 176, 144},
      {"MP4 without a movie box", Box("ftyp", "isom") + Box("mdat", Zeros(50)), VideoCodec::kOther,
       0, 0},
      {"WebM, video after audio",
       Matroska(Element(kVoid, Zeros(30)) +
                Element(kTracks,
                        MatroskaEntry(2, "A_OPUS", 0, 0) + MatroskaEntry(1, "V_VP9", 1280, 720))),
       VideoCodec::kOther, 1280, 720},
      {"Matroska of H.264, a codec id padded with zeros",
       Matroska(
           Element(kTracks, MatroskaEntry(1, std::string("V_MPEG4/ISO/AVC\0", 16), 1280, 720))),
       VideoCodec::kH264, 1280, 720},
      {"Matroska whose tracks follow a cluster",
       Matroska(Element(kCluster, Zeros(10)) +
                Element(kTracks, MatroskaEntry(1, "V_VP8", 640, 480))),
       VideoCodec::kOther, 0, 0},
      {"DVD program stream, a chance start code first",
       kPack + SequenceHeader(100, 100, 0, 3, true) + SequenceHeader(720, 576, 2, 3, true),
       VideoCodec::kMpegVideo, 720, 576},
      {"MPEG video stream", SequenceHeader(352, 288, 1, 3, true) + Zeros(20),
       VideoCodec::kMpegVideo, 352, 288},
      {"program stream without a valid sequence header",
       kPack + SequenceHeader(720, 576, 2, 3, false) + SequenceHeader(720, 576, 2, 9, true),
       VideoCodec::kOther, 0, 0},
      {"Video CD file",
       "RIFF" + LittleEndian(100, 4) + "CDXA" + Zeros(40) + kPack +
           SequenceHeader(352, 288, 12, 3, true) + Zeros(8),
       VideoCodec::kMpegVideo, 352, 288},
      {"text", "This is not a video.\n", VideoCodec::kOther, 0, 0},
      {"empty file", "", VideoCodec::kOther, 0, 0},
  };
}

TEST(InputVideo, ReadsCodecAndSizeFromEachContainer) {
  for (const Case& c : Cases()) {
    const InputVideo video = ReadInputVideo(BytesFile(c.bytes));
    EXPECT_EQ(video.codec, c.codec) << c.name;
    EXPECT_EQ(video.width, c.width) << c.name;
    EXPECT_EQ(video.height, c.height) << c.name;
  }
}

// Every header cut short anywhere is read as far as it goes: either the
// whole answer or no size, never a read past its end.
TEST(InputVideo, HeadersCutShortGiveTheAnswerOrNoSize) {
  for (const Case& c : Cases()) {
    for (std::size_t length = 0; length < c.bytes.size(); ++length) {
      const InputVideo video = ReadInputVideo(BytesFile(c.bytes.substr(0, length)));
      if (video.width != 0) {
        EXPECT_EQ(video.width, c.width) << c.name << " cut at " << length;
        EXPECT_EQ(video.height, c.height) << c.name << " cut at " << length;
      }
    }
  }
}

TEST(InputVideo, DamagedSizesEndTheWalk) {
  const std::string zeroBox =
      BigEndian(0, 4) + "free" + Box("moov", Track("vide", "avc1", 640, 480));
  const std::string shortBox = Box("ftyp", "isom") + BigEndian(4, 4) + "free" + Zeros(40);
  const std::string huge = Box("ftyp", "isom") + BigEndian(0xFFFFFFFF, 4) + "moov" + Zeros(40);
  const std::string hugeChunk =
      "RIFF" + LittleEndian(100, 4) + "AVI " + "LIST" + LittleEndian(0xFFFFFFF0, 4) + "hdrl";
  // Header lists nested as deep as the bytes read allow, a video at the
  // bottom: only a stream list in the header list holds one.
  const std::string stream = AviStream("vids", BitmapInfo(640, 480, "XVID"));
  std::string headers;
  for (std::size_t depth = 20000; depth > 0; --depth) {
    headers += "LIST" + LittleEndian(4 + (depth - 1) * 12 + stream.size(), 4) + "hdrl";
  }
  const std::string deepLists =
      "RIFF" + LittleEndian(4 + headers.size() + stream.size(), 4) + "AVI " + headers + stream;
  // A width of 2^63, which has no absolute value as a signed number.
  const std::string wideMatroska = Matroska(Element(
      kTracks, Element(kEntry, Element(kType, BigEndian(1, 1)) +
                                   Element(kVideo, Element(kWidth, BigEndian(1ULL << 63, 8)) +
                                                       Element(kHeight, BigEndian(480, 2))))));
  for (const std::string& bytes : {zeroBox, shortBox, huge, hugeChunk, deepLists, wideMatroska}) {
    EXPECT_EQ(ReadInputVideo(BytesFile(bytes)).width, 0);
  }
}

}  // namespace
}  // namespace encoder
