#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "encoder/input_video.h"

// Shared by the readers of container headers behind ReadInputVideo: fields
// read from a header's bytes with their bounds checked, and the readers
// themselves.
namespace encoder {

// A header that ends before a field the reader wants. Every reader raises
// it for bytes that run out; ReadInputVideo takes it as a header not read.
struct HeaderEnds {};

// count bytes from offset; throws HeaderEnds when they are not all there.
std::string_view HeaderField(std::string_view bytes, std::uint64_t offset, std::size_t count);

// Unsigned numbers of 1 to 8 bytes.
std::uint64_t BigEndianField(std::string_view bytes, std::uint64_t offset, std::size_t count);
std::uint64_t LittleEndianField(std::string_view bytes, std::uint64_t offset, std::size_t count);

// A picture's width or height, whatever its sign; 0 for one too large for
// any picture.
int PictureSide(std::int64_t value);

// Each gives nothing for a file that is not in its container.
std::optional<InputVideo> ReadAviVideo(const FileBytes& file);
std::optional<InputVideo> ReadMp4Video(const FileBytes& file);
std::optional<InputVideo> ReadMatroskaVideo(const FileBytes& file);
std::optional<InputVideo> ReadMpegVideo(const FileBytes& file);

}  // namespace encoder
