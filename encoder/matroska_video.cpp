// The video track of a Matroska or WebM file. The file is a tree of EBML
// elements, each an id and a size, both variable-length numbers (the count
// of leading zero bits of the first byte gives the count of bytes that
// follow; an id keeps its length marker, a size drops it, and a size of all
// ones is unknown: up to the end of its parent), then the data. After the
// EBML header comes the Segment (18 53 80 67), whose Tracks (16 54 AE 6B)
// come before its first Cluster (1F 43 B6 75) in the files writers make:
//   TrackEntry (AE) > TrackType (83)         1 for video
//                   > CodecID (86)           text, "V_VP9" and the like
//                   > Video (E0) > PixelWidth (B0), PixelHeight (BA)
#include <algorithm>

#include "encoder/header_fields.h"

namespace encoder {

namespace {

// The Tracks of the files writers make lie well within this.
constexpr std::size_t kHeaderBytes = 256 * 1024;

constexpr std::uint64_t kEbmlHeader = 0x1A45DFA3;
constexpr std::uint64_t kSegment = 0x18538067;
constexpr std::uint64_t kTracks = 0x1654AE6B;
constexpr std::uint64_t kCluster = 0x1F43B675;
constexpr std::uint64_t kTrackEntry = 0xAE;
constexpr std::uint64_t kTrackType = 0x83;
constexpr std::uint64_t kCodecId = 0x86;
constexpr std::uint64_t kVideo = 0xE0;
constexpr std::uint64_t kPixelWidth = 0xB0;
constexpr std::uint64_t kPixelHeight = 0xBA;
constexpr std::uint64_t kVideoTrackType = 1;

struct IdCodec {
  const char* id;
  VideoCodec codec;
};

const IdCodec kCodecs[] = {
    {"V_MPEG4/ISO/AVC", VideoCodec::kH264},
    {"V_MPEGH/ISO/HEVC", VideoCodec::kHevc},
    {"V_VP8", VideoCodec::kVp8},
    {"V_MPEG4/ISO/ASP", VideoCodec::kMpeg4},
    {"V_MPEG4/ISO/SP", VideoCodec::kMpeg4},
    {"V_MPEG4/ISO/AP", VideoCodec::kMpeg4},
    {"V_MPEG1", VideoCodec::kMpegVideo},
    {"V_MPEG2", VideoCodec::kMpegVideo},
    {"V_MJPEG", VideoCodec::kMotionJpeg},
};

VideoCodec CodecOf(std::string_view id) {
  // Writers may pad the text with zero bytes.
  id = id.substr(0, id.find('\0'));
  for (const IdCodec& known : kCodecs) {
    if (id == known.id) {
      return known.codec;
    }
  }
  return VideoCodec::kOther;
}

struct Number {
  std::uint64_t value = 0;
  std::uint64_t length = 0;
  bool allOnes = false;
};

// A variable-length number at `at`; with its length marker kept for ids.
Number VariableNumber(std::string_view bytes, std::uint64_t at, bool keepMarker) {
  const auto first = static_cast<std::uint8_t>(HeaderField(bytes, at, 1)[0]);
  std::uint64_t length = 1;
  while (length <= 8 && !(first & (0x80 >> (length - 1)))) {
    ++length;
  }
  if (length > 8) {
    throw HeaderEnds();
  }
  const std::uint64_t raw = BigEndianField(bytes, at, static_cast<std::size_t>(length));
  const std::uint64_t marker = std::uint64_t{1} << (7 * length);
  const std::uint64_t value = raw & (marker - 1);
  return {keepMarker ? raw : value, length, value == marker - 1};
}

struct Element {
  std::uint64_t id = 0;
  std::uint64_t data = 0;
  std::uint64_t end = 0;
};

// The element at `at` inside a parent that ends at `limit`. Its end is
// where its size says, which may lie past the bytes read; one of unknown
// size ends with its parent.
Element ElementAt(std::string_view bytes, std::uint64_t at, std::uint64_t limit) {
  const Number id = VariableNumber(bytes, at, true);
  const Number size = VariableNumber(bytes, at + id.length, false);
  const std::uint64_t data = at + id.length + size.length;
  if (data > limit) {
    throw HeaderEnds();
  }
  return {id.value, data, size.allOnes ? limit : data + size.value};
}

// Calls visit(element) for each child from begin to end, as far as the
// bytes read go, until it returns true; returns whether one did.
template <typename Visit>
bool ForEachChild(std::string_view bytes, std::uint64_t begin, std::uint64_t end, Visit visit) {
  for (std::uint64_t at = begin; at < std::min<std::uint64_t>(end, bytes.size());) {
    const Element element = ElementAt(bytes, at, end);
    if (visit(element)) {
      return true;
    }
    at = element.end;
  }
  return false;
}

std::uint64_t Unsigned(std::string_view bytes, const Element& element) {
  const std::uint64_t size = element.end - element.data;
  if (size > 8) {
    throw HeaderEnds();
  }
  return BigEndianField(bytes, element.data, static_cast<std::size_t>(size));
}

std::string_view Text(std::string_view bytes, const Element& element) {
  const std::uint64_t size = element.end - element.data;
  if (size > bytes.size()) {
    throw HeaderEnds();
  }
  return HeaderField(bytes, element.data, static_cast<std::size_t>(size));
}

// The entry's video, or nothing for a track of another kind.
std::optional<InputVideo> EntryVideo(std::string_view bytes, const Element& entry) {
  std::uint64_t type = 0;
  InputVideo video;
  ForEachChild(bytes, entry.data, entry.end, [&](const Element& child) {
    if (child.id == kTrackType) {
      type = Unsigned(bytes, child);
    } else if (child.id == kCodecId) {
      video.codec = CodecOf(Text(bytes, child));
    } else if (child.id == kVideo) {
      ForEachChild(bytes, child.data, child.end, [&](const Element& field) {
        if (field.id == kPixelWidth) {
          video.width = PictureSide(static_cast<std::int64_t>(Unsigned(bytes, field)));
        } else if (field.id == kPixelHeight) {
          video.height = PictureSide(static_cast<std::int64_t>(Unsigned(bytes, field)));
        }
        return false;
      });
    }
    return false;
  });
  return type == kVideoTrackType ? std::optional(video) : std::nullopt;
}

InputVideo SegmentVideo(std::string_view bytes, const Element& segment) {
  InputVideo video;
  ForEachChild(bytes, segment.data, segment.end, [&](const Element& child) {
    if (child.id == kTracks) {
      ForEachChild(bytes, child.data, child.end, [&](const Element& entry) {
        const auto found = entry.id == kTrackEntry ? EntryVideo(bytes, entry) : std::nullopt;
        if (found) {
          video = *found;
        }
        return found.has_value();
      });
      return true;
    }
    return child.id == kCluster;
  });
  return video;
}

}  // namespace

std::optional<InputVideo> ReadMatroskaVideo(const FileBytes& file) {
  const std::string bytes = file.Read(0, kHeaderBytes);
  if (bytes.size() < 4 || BigEndianField(bytes, 0, 4) != kEbmlHeader) {
    return std::nullopt;
  }
  const Element header = ElementAt(bytes, 0, bytes.size());
  const Element segment = ElementAt(bytes, header.end, bytes.size());
  if (segment.id != kSegment) {
    return InputVideo{};
  }
  return SegmentVideo(bytes, segment);
}

}  // namespace encoder
