#pragma once

#include <string>

namespace encoder {

// libm9s.exe carries FFmpeg appended to itself, so that installing the one
// file gives a working encoder. The first run unpacks it into
// %LOCALAPPDATA%\libm9s\ffmpeg-<size>-<hash>\ffmpeg.exe (or the same under
// the temporary folder when that cannot be used); later runs find it
// there and use it when its size is right, else unpack it again. Returns
// the path of the unpacked FFmpeg; throws EncoderError. With `again`, a
// copy already there is replaced first: its size was right, yet it did not
// start.
std::string UnpackEmbeddedFfmpeg(bool again = false);

}  // namespace encoder
