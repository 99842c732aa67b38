// The video track of a QuickTime or MP4 file (ISO base media: MP4, 3GP,
// M4V, MOV and the like). The file is a sequence of boxes, each its size
// as 4 bytes big-endian (1: an 8-byte size follows the type; 0: up to the
// end of the file), a four-character type and its data. The movie box
// "moov", before or after the media data, holds a "trak" for each track:
//   trak > mdia > hdlr        bytes 8-11 of the data: "vide" for video
//   trak > mdia > minf > stbl > stsd
//                             bytes 8 on: the first sample description,
//                             its type (the codec) at bytes 4-7 and the
//                             picture's width and height, 2 bytes each
//                             big-endian, at bytes 32 and 34
//   trak > tkhd               the transformation matrix, at byte 40 of the
//                             data (52 in version 1): 16.16 numbers a, b,
//                             u, c, d, v, ...; a and d both 0 turn the
//                             picture by a quarter, as phones held upright
//                             record it
#include <initializer_list>
#include <utility>

#include "encoder/header_fields.h"

namespace encoder {

namespace {

// Enough for the movie box of a film of several hours.
constexpr std::uint64_t kLongestMovieBox = 32 * 1024 * 1024;
// Real files hold a handful of boxes at the top; more means damage.
constexpr int kMostTopBoxes = 1000;

const char* const kFirstBoxTypes[] = {"ftyp", "moov", "mdat", "free", "skip", "wide", "pnot"};

struct TypeCodec {
  const char* type;
  VideoCodec codec;
};

const TypeCodec kCodecs[] = {
    {"avc1", VideoCodec::kH264},       {"avc3", VideoCodec::kH264},
    {"hvc1", VideoCodec::kHevc},       {"hev1", VideoCodec::kHevc},
    {"mp4v", VideoCodec::kMpeg4},      {"s263", VideoCodec::kH263},
    {"h263", VideoCodec::kH263},       {"jpeg", VideoCodec::kMotionJpeg},
    {"mjpa", VideoCodec::kMotionJpeg}, {"mjpb", VideoCodec::kMotionJpeg},
    {"dvc ", VideoCodec::kDv},         {"dvcp", VideoCodec::kDv},
    {"vp08", VideoCodec::kVp8},
};

VideoCodec CodecOf(std::string_view type) {
  for (const TypeCodec& known : kCodecs) {
    if (type == known.type) {
      return known.codec;
    }
  }
  return VideoCodec::kOther;
}

struct Box {
  std::string_view type;
  std::uint64_t data = 0;
  std::uint64_t end = 0;
};

// The box whose header starts at byte `at` of bytes, ending no later than
// `limit`.
Box BoxAt(std::string_view bytes, std::uint64_t at, std::uint64_t limit) {
  std::uint64_t size = BigEndianField(bytes, at, 4);
  std::uint64_t headerSize = 8;
  if (size == 1) {
    size = BigEndianField(bytes, at + 8, 8);
    headerSize = 16;
  } else if (size == 0) {
    size = limit - at;
  }
  if (size < headerSize) {
    throw HeaderEnds();
  }
  return {HeaderField(bytes, at + 4, 4), at + headerSize, size > limit - at ? limit : at + size};
}

// The first box of the type among those from begin to end.
std::optional<Box> Child(std::string_view bytes, std::uint64_t begin, std::uint64_t end,
                         std::string_view type) {
  for (std::uint64_t at = begin; at + 8 <= end;) {
    const Box box = BoxAt(bytes, at, end);
    if (box.type == type) {
      return box;
    }
    at = box.end;
  }
  return std::nullopt;
}

// The box found by following the path of types down from parent.
std::optional<Box> Descend(std::string_view moov, const Box& parent,
                           std::initializer_list<std::string_view> path) {
  std::optional<Box> box = parent;
  for (const std::string_view type : path) {
    box = Child(moov, box->data, box->end, type);
    if (!box) {
      return std::nullopt;
    }
  }
  return box;
}

bool QuarterTurned(std::string_view moov, const Box& trackHeader) {
  const std::uint64_t matrix =
      trackHeader.data + (HeaderField(moov, trackHeader.data, 1)[0] == 1 ? 52 : 40);
  return BigEndianField(moov, matrix, 4) == 0 && BigEndianField(moov, matrix + 16, 4) == 0;
}

std::optional<InputVideo> TrackVideo(std::string_view moov, const Box& track) {
  const std::optional<Box> handler = Descend(moov, track, {"mdia", "hdlr"});
  if (!handler || HeaderField(moov, handler->data + 8, 4) != "vide") {
    return std::nullopt;
  }
  const std::optional<Box> descriptions = Descend(moov, track, {"mdia", "minf", "stbl", "stsd"});
  if (!descriptions) {
    return std::nullopt;
  }
  const std::uint64_t entry = descriptions->data + 8;
  InputVideo video{CodecOf(HeaderField(moov, entry + 4, 4)),
                   static_cast<int>(BigEndianField(moov, entry + 32, 2)),
                   static_cast<int>(BigEndianField(moov, entry + 34, 2))};
  const std::optional<Box> trackHeader = Descend(moov, track, {"tkhd"});
  if (trackHeader && QuarterTurned(moov, *trackHeader)) {
    std::swap(video.width, video.height);
  }
  return video;
}

InputVideo MovieVideo(std::string_view moov, const Box& movie) {
  for (std::uint64_t at = movie.data; at + 8 <= movie.end;) {
    const Box box = BoxAt(moov, at, movie.end);
    if (box.type == "trak") {
      if (const auto video = TrackVideo(moov, box)) {
        return *video;
      }
    }
    at = box.end;
  }
  return {};
}

bool StartsLikeMp4(const FileBytes& file) {
  const std::string start = file.Read(4, 4);
  for (const char* type : kFirstBoxTypes) {
    if (start == type) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::optional<InputVideo> ReadMp4Video(const FileBytes& file) {
  if (!StartsLikeMp4(file)) {
    return std::nullopt;
  }
  const std::uint64_t fileSize = file.Size();
  std::uint64_t at = 0;
  for (int count = 0; count < kMostTopBoxes && at + 8 <= fileSize; ++count) {
    const std::string header = file.Read(at, 16);
    const Box box = BoxAt(header, 0, fileSize - at);
    if (box.type == "moov") {
      if (box.end > kLongestMovieBox) {
        return InputVideo{};
      }
      const std::string moov = file.Read(at, static_cast<std::size_t>(box.end));
      return MovieVideo(moov, box);
    }
    at += box.end;
  }
  return InputVideo{};
}

}  // namespace encoder
