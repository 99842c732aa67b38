#pragma once

#include <exception>
#include <string_view>

namespace encoder {

// Writes to the encoder's standard error. The threads that relay FFmpeg's
// progress and log share it: each text goes out in one write, under a
// lock, so that lines never interleave and a reader of the pipe gets each
// line in one piece.
void WriteError(std::string_view text);

// The encoder's exception report: "libm9s: " and the exception's text, as
// one line of standard error; safe from any thread.
void WriteException(std::exception_ptr error);

}  // namespace encoder
