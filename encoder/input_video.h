#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace encoder {

// The video codecs whose decoders FFmpeg can be asked to spare work; any
// other codec is kOther.
enum class VideoCodec {
  kOther,
  kMpegVideo,  // MPEG-1 and MPEG-2 video
  kMpeg4,      // MPEG-4 Part 2 and Microsoft's MPEG-4 forerunners
  kH263,
  kMotionJpeg,
  kDv,
  kH264,
  kHevc,
  kVp8,
};

// What the container's header says about the input's first video stream,
// as the picture comes out of the decoder and, in QuickTime and MP4, after
// the quarter turn of a phone held upright. Width and height are 0 when
// the header was not read.
struct InputVideo {
  VideoCodec codec = VideoCodec::kOther;
  int width = 0;
  int height = 0;
};

// A file read by position.
class FileBytes {
 public:
  virtual ~FileBytes() = default;
  virtual std::uint64_t Size() const = 0;
  // Fewer bytes than asked for at the end of the file, none past it.
  virtual std::string Read(std::uint64_t offset, std::size_t count) const = 0;
};

// Reads the header of an AVI, QuickTime or MP4 (3GP, M4V and the like),
// Matroska or WebM, or MPEG program or video stream file (VOB, MPG, and the
// RIFF file of a Video CD). Only the few fields that name the video codec
// and the picture size are read: this is no demuxer, and anything it does
// not find where these containers keep it (another container, a header cut
// short, a stream header it does not know) gives an InputVideo of no size.
InputVideo ReadInputVideo(const FileBytes& file);

}  // namespace encoder
